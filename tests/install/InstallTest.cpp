// `cmake --install` of this build into a temporary prefix, as a person installs it, and
// the uninstaller it leaves run afterwards.

#include <gtest/gtest.h>

#include <filesystem>

#include "InstallNames.h"
#include "base/Files.h"
#include "install/UninstallList.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx::uninstall {
namespace {

namespace fs = std::filesystem;

bool IsExecutable(const fs::path& path) {
  return (fs::status(path).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

TEST(Installation, LaysDownTheFolderRunsTheInstallStepAndUninstallsCleanly) {
  test::TempFolder temp;
  // A blank in the prefix: the menu entry must quote the program's path.
  const fs::path prefix = fs::path(temp.path()) / "my apps";
  const fs::path folder = prefix / "Corvanta";
  // A earlier installation's session, which the install step clears, and its company,
  // which it keeps.
  fs::create_directories(folder);
  WriteFile((folder / "LASTDATA.TXT").string(), "ACME.KVX\r\n");
  WriteFile((folder / "GENERIC.TXT").string(), "California\r\n");
  WriteFile((folder / "NDEXDATA.TXT").string(), "ACME.KVX\r\n");
  WriteFile((folder / "ACME.KVX").string(), JoinLines(test::SampleDataSet()));

  // No display and no script: the installation must still open no window and wait for
  // no one.
  const auto run =
      test::RunProgram({KVX_CMAKE, "--install", KVX_BUILD_DIR, "--prefix", prefix.string()},
                       {"KVX_SCRIPT=", "DISPLAY=", "WAYLAND_DISPLAY="}, "", 300);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("kvx INSTALL: Installation of Corvanta was successful."),
            std::string::npos)
      << run.out;

  // Every file of the build's program folder, except what runs there made.
  const fs::path built = test::BuiltProgramFolder();
  int files = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(built)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(built);
    if (IsUserFile(relative.filename().string())) continue;
    ++files;
    const fs::path installed = folder / relative;
    ASSERT_TRUE(fs::is_regular_file(installed)) << relative;
    if (IsExecutable(entry.path()))
      EXPECT_TRUE(IsExecutable(installed)) << relative;
    else
      EXPECT_EQ(ReadFileBytes(installed.string()), ReadFileBytes(entry.path().string()))
          << relative;
  }
  EXPECT_GT(files, 50) << "the book's files are part of the installation";
  for (const char* program : {"kvx", "kvxhelp", "kvxbook", "unins000"})
    EXPECT_TRUE(IsExecutable(folder / program)) << program;
  EXPECT_FALSE(fs::exists(built / "unins000")) << "the build's folder has no uninstaller";

  // The install step ran: the session is cleared, the companies stay, nothing is left over.
  EXPECT_FALSE(fs::exists(folder / "LASTDATA.TXT"));
  EXPECT_FALSE(fs::exists(folder / "GENERIC.TXT"));
  EXPECT_FALSE(fs::exists(folder / "TMP_QM.DAT"));
  EXPECT_TRUE(fs::exists(folder / "NDEXDATA.TXT"));
  EXPECT_TRUE(fs::exists(folder / "ACME.KVX"));

  EXPECT_EQ(ReadFileBytes((prefix / kDesktopEntry).string()),
            "[Desktop Entry]\nType=Application\nVersion=1.5\nName=Corvanta\n"
            "GenericName=Small business guide\n"
            "Comment=The Opusgrand guide book for your company and state, with tax "
            "consultations\n"
            "Exec=\"" +
                (folder / "kvx").string() + "\"\n" + "TryExec=" + (folder / "kvx").string() + "\n" +
                "Icon=" + (prefix / kDesktopIcon).string() + "\n" +
                "Terminal=false\nCategories=Office;\n");
  EXPECT_EQ(ReadFileBytes((prefix / kDesktopIcon).string()),
            ReadFileBytes(std::string(KVX_SOURCE_DIR) + "/resources/icons/PROGRAM_256.png"));

  // The list names every installed file once, and nothing else.
  const UninstallList list =
      ParseUninstallList(ReadFileBytes((folder / "unins000.dat").string()), folder);
  ASSERT_TRUE(list.valid);
  EXPECT_TRUE(list.refused.empty());
  std::vector<fs::path> listed;
  for (const ListedFile& file : list.files) {
    EXPECT_TRUE(fs::is_regular_file(file.path)) << file.path;
    listed.push_back(file.path);
  }
  std::vector<fs::path> present;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(prefix))
    if (entry.is_regular_file() && !IsUserFile(entry.path().filename().string()) &&
        entry.path().filename() != "unins000.dat")
      present.push_back(entry.path());
  std::sort(listed.begin(), listed.end());
  std::sort(present.begin(), present.end());
  EXPECT_EQ(listed, present);

  // And the uninstaller takes it all away again, the company with it.
  const auto removal = test::RunProgram({(folder / "unins000").string(), "/SILENT"});
  EXPECT_EQ(removal.status, 0) << removal.out;
  EXPECT_TRUE(fs::is_directory(prefix));
  EXPECT_TRUE(fs::is_empty(prefix)) << removal.out;
}

TEST(Installation, StagedThroughDestdirNamesTheFinalPlaces) {
  test::TempFolder temp;
  const fs::path stage = fs::path(temp.path()) / "stage";
  const std::string prefix = "/opt/corvanta-staged";
  const auto run = test::RunProgram({KVX_CMAKE, "--install", KVX_BUILD_DIR, "--prefix", prefix},
                                    {"DESTDIR=" + stage.string(), "KVX_SCRIPT="}, "", 300);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_FALSE(fs::exists(prefix));
  const fs::path folder = stage / "opt/corvanta-staged/Corvanta";
  const std::string entry = ReadFileBytes((stage / "opt/corvanta-staged" / kDesktopEntry).string());
  EXPECT_NE(entry.find("\nExec=/opt/corvanta-staged/Corvanta/kvx\n"), std::string::npos) << entry;
  // The list is read where the files will be; here, where they are staged.
  const UninstallList list =
      ParseUninstallList(ReadFileBytes((folder / "unins000.dat").string()), folder);
  int missing = 0;
  for (const ListedFile& file : list.files)
    if (!fs::is_regular_file(file.path)) ++missing;
  EXPECT_EQ(missing, 0);
  EXPECT_GT(list.files.size(), 50u) << "every installed file, not only the two under share/";
}

}  // namespace
}  // namespace kvx::uninstall
