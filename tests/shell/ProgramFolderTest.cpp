// The kvx program itself, copied into a program folder of the test's own making and run
// in automation mode.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

class ProgramFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(test::BuiltProgramFolder() + "kvx", t.dir() + "kvx");
    std::filesystem::permissions(t.dir() + "kvx", std::filesystem::perms::owner_all);
  }
  test::ProgramResult Kvx(const std::string& script, const std::vector<std::string>& args = {}) {
    t.Put("script.txt", script);
    std::vector<std::string> argv{t.dir() + "kvx"};
    argv.insert(argv.end(), args.begin(), args.end());
    return test::RunProgram(
        argv, {"KVX_SCRIPT=" + t.dir() + "script.txt", "XDG_DOCUMENTS_DIR=" + t.dir() + "docs",
               "XDG_PUBLICSHARE_DIR=" + t.dir() + "public"});
  }
  TestApp t;
};

TEST_F(ProgramFolder, AMissingTemplateIsFatal) {
  t.PutBookFiles();
  DeleteIfExists(t.dir() + "preface.dat");
  const auto run = Kvx("OK\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "== MESSAGE\ntitle: Opusgrand\nicon: stop\nbuttons: OK\ndefault: OK\n"
            "text: Fatal error: Missing data file " +
                t.dir() + "preface.dat\n\n");
  // Without an answer the run ends as the script does.
  EXPECT_EQ(Kvx("").status, 3);
}

TEST_F(ProgramFolder, InstallModeTidiesUpAndConverts) {
  t.PutBookFiles();
  for (const char* name : {"LASTDATA.TXT", "STATCHAP.HTM", "GENERIC.TXT", "temp.txt",
                           "TEMPHTML.HTM", "OUTPUT.HTM", "COMPAT.KVX"})
    t.Put(name, "x\r\n");
  t.PutLines("LASTDATA.TXT", {"ACME.DAT"});
  t.PutLines("NDEXDATA.TXT", {"ACME.DAT", "SHOP.DAT"});
  t.PutLines("ACME.DAT", test::SampleDataSet());
  t.PutLines("SHOP.DAT", test::SampleDataSet());
  t.Put("UPDATE.DAT", "u");
  const auto run = Kvx("", {"INSTALL"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("== QUICK\ntext:\n  Installation of Corvanta was successful.\n", 0), 0u);
  for (const char* gone : {"LASTDATA.TXT", "STATCHAP.HTM", "GENERIC.TXT", "temp.txt",
                           "TEMPHTML.HTM", "OUTPUT.HTM", "COMPAT.KVX", "UPDATE.DAT", "ACME.DAT"})
    EXPECT_FALSE(t.Has(gone)) << gone;
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nSHOP.KVX\r\n");
  EXPECT_TRUE(t.Has("ACME.KVX"));
  EXPECT_TRUE(t.Has("chap01.dat"));
  EXPECT_EQ(t.Get("public/UPDATE.DAT"), "u");
  EXPECT_TRUE(t.Has("TMP_QM.DAT"));
}

TEST_F(ProgramFolder, ALastDataSetThatIsGoneEndsTheRun) {
  t.PutBookFiles();
  t.PutLines("LASTDATA.TXT", {"GONE.KVX"});
  t.PutLines("NDEXDATA.TXT", {"GONE.KVX"});
  const auto run = Kvx("");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "== QUICK\ntext: File named GONE.KVX not found or corrupted: Restart "
            "program.\n\n");
  EXPECT_FALSE(t.Has("LASTDATA.TXT"));
}

TEST_F(ProgramFolder, AShortDataSetIsReportedAsError62) {
  t.PutBookFiles();
  std::vector<std::string> ten = test::SampleDataSet();
  ten.resize(10);
  t.PutLines("ACME.KVX", ten);
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  const auto run = Kvx("close\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out.rfind("== QUICK\ntext: Error number  62 (Input past end of file) detected in "
                    "subprogram or function LoadDataSet.... (Diagnostic:  Reading file: " +
                        t.dir() + "ACME.KVX)  Continuing momentarily....\n\n== DIALOG MainWindow\n",
                    0),
      0u)
      << run.out;
  EXPECT_NE(run.out.find("== CLOSED MainWindow\n"), std::string::npos);
  EXPECT_EQ(t.Get("ACME.KVX"), JoinLines(ten)) << "a failed load never writes the data set";
}

TEST_F(ProgramFolder, AnUnreadableScriptIsAUsageError) {
  const auto run = test::RunProgram({t.dir() + "kvx"}, {"KVX_SCRIPT=" + t.dir() + "none.txt"});
  EXPECT_EQ(run.status, 2);
}

}  // namespace
}  // namespace kvx
