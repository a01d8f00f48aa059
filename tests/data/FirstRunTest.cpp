// A whole first run of the built kvx, in automation mode, on a fresh copy of the real
// program folder: the state, the interview, the data set and session files, the book,
// and the main window it ends in. The script is the one `make demo` plays.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

TEST(FirstRun, FromAnEmptyProgramFolderToABookAndTheMainWindow) {
  test::TempFolder folder;
  const std::string dir = folder.path();
  for (const auto& entry : fs::directory_iterator(test::BuiltProgramFolder())) {
    const std::string name = entry.path().filename().string();
    const std::string upper = UpperAscii(name);
    const bool built = upper.ends_with(".HTM") && upper != "APPENDB.HTM" && upper != "NOSTART.HTM";
    if (built || upper.ends_with(".KVX") || upper == "LASTDATA.TXT" || upper == "NDEXDATA.TXT" ||
        upper == "GENERIC.TXT")
      continue;
    if (entry.is_regular_file()) fs::copy(entry.path(), dir + name);
  }
  const auto run = test::RunProgram({dir + "kvx"}, {"KVX_SCRIPT=" KVX_DEMO_SCRIPT});
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("== DIALOG SelectionDialog"), std::string::npos);
  EXPECT_EQ(run.out.find("== HIDE MainWindow"), std::string::npos)
      << "no main window to hide during a first run";
  EXPECT_NE(run.out.find("== DIALOG MainWindow\ntitle: Opusgrand in Oregon\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("label: Company: Harbor Light Bakery\n"), std::string::npos);
  EXPECT_NE(run.out.find("== CLOSED MainWindow\n"), std::string::npos);
  EXPECT_EQ(ReadLines(dir + "HARBOR.KVX").size(), 18u);
  EXPECT_EQ(ReadLines(dir + "HARBOR.KVX")[0], "Oregon");
  EXPECT_EQ(ReadLines(dir + "LASTDATA.TXT"), std::vector<std::string>{"HARBOR.KVX"});
  EXPECT_EQ(ReadLines(dir + "NDEXDATA.TXT"), std::vector<std::string>{"HARBOR.KVX"});
  const std::string contents = ReadFileBytes(dir + "contents.htm");
  EXPECT_NE(contents.find("Harbor Light Bakery"), std::string::npos);
  EXPECT_TRUE(Exist(dir + "statchap.htm"));
}

}  // namespace
}  // namespace kvx
