#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "InstallNames.h"
#include "base/Files.h"
#include "install/UninstallList.h"
#include "install/Uninstaller.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TestApp.h"

namespace kvx::uninstall {
namespace {

namespace fs = std::filesystem;

// A prefix with a program folder Corvanta/ in a temporary folder, and an uninstall list.
class UninstallFolder : public ::testing::Test {
 protected:
  void Put(const std::string& name, const std::string& bytes = "x") {
    const fs::path path = root / name;
    fs::create_directories(path.parent_path());
    WriteFile(path.string(), bytes);
  }
  bool Has(const std::string& name) const { return fs::exists(fs::symlink_status(root / name)); }
  void List(const std::vector<std::string>& lines) {
    std::vector<std::string> all{kListHeader};
    all.insert(all.end(), lines.begin(), lines.end());
    Put("p/Corvanta/unins000.dat", JoinLines(all));
    Put("p/Corvanta/unins000", "program");
  }
  UninstallResult Run() { return Uninstall(root / "p/Corvanta/unins000"); }

  test::TempFolder temp;
  const fs::path root = fs::path(temp.path()).parent_path();
};

TEST_F(UninstallFolder, RemovesTheListedAndMadeFilesAndLeavesTheRest) {
  for (const char* name :
       {"p/Corvanta/kvx", "p/Corvanta/HELP.TXT", "p/Corvanta/pictures/a.gif",
        "p/Corvanta/appendB.htm", "p/Corvanta/ACME.KVX", "p/Corvanta/shop.kvx",
        "p/Corvanta/LASTDATA.TXT", "p/Corvanta/NDEXDATA.TXT", "p/Corvanta/chap07.htm",
        "p/Corvanta/statchap.htm", "p/Corvanta/TMP_QM.DAT", "p/Corvanta/notes.txt", "p/x",
        "outside.txt", "p/share/applications/corvanta.desktop",
        "p/share/applications/other.desktop", "p/share/icons/hicolor/256x256/apps/corvanta.png"})
    Put(name);
  List({"kvx", "pictures/a.gif", (root / "p/Corvanta/HELP.TXT").string(), "appendB.htm", "../x",
        (root / "outside.txt").string(), "pictures/../../x",
        "prefix:share/applications/corvanta.desktop",
        "prefix:share/icons/hicolor/256x256/apps/corvanta.png",
        "prefix:share/applications/other.desktop", "", "# a comment", "unins000",
        "never-installed"});

  const UninstallResult result = Run();

  EXPECT_EQ(result.error, "");
  EXPECT_TRUE(result.failed.empty());
  for (const char* gone :
       {"p/Corvanta/kvx", "p/Corvanta/HELP.TXT", "p/Corvanta/pictures", "p/Corvanta/appendB.htm",
        "p/Corvanta/ACME.KVX", "p/Corvanta/shop.kvx", "p/Corvanta/LASTDATA.TXT",
        "p/Corvanta/NDEXDATA.TXT", "p/Corvanta/chap07.htm", "p/Corvanta/statchap.htm",
        "p/Corvanta/TMP_QM.DAT", "p/Corvanta/unins000", "p/Corvanta/unins000.dat",
        "p/share/applications/corvanta.desktop", "p/share/icons"})
    EXPECT_FALSE(Has(gone)) << gone;
  for (const char* kept :
       {"p/Corvanta/notes.txt", "p/x", "outside.txt", "p/share/applications/other.desktop"})
    EXPECT_TRUE(Has(kept)) << kept;
  EXPECT_EQ(result.refused.size(), 4u);
  EXPECT_TRUE(result.selfRemoved);
  EXPECT_FALSE(result.folderRemoved) << "a file of the user's own stays, and so does its folder";
}

TEST_F(UninstallFolder, AnEmptiedInstallationLeavesOnlyThePrefix) {
  Put("p/Corvanta/kvx");
  Put("p/share/applications/corvanta.desktop");
  Put("p/share/icons/hicolor/256x256/apps/corvanta.png");
  List({"kvx", "prefix:share/applications/corvanta.desktop",
        "prefix:share/icons/hicolor/256x256/apps/corvanta.png"});
  const UninstallResult result = Run();
  EXPECT_TRUE(result.folderRemoved);
  EXPECT_TRUE(result.refused.empty());
  EXPECT_TRUE(fs::is_directory(root / "p"));
  EXPECT_TRUE(fs::is_empty(root / "p"));
}

TEST_F(UninstallFolder, NeverFollowsALinkOutOfTheFolder) {
  Put("elsewhere/secret");
  Put("elsewhere/data.KVX");
  Put("p/Corvanta/kvx");
  fs::create_directory_symlink(root / "elsewhere", root / "p/Corvanta/sub");
  fs::create_symlink(root / "elsewhere/secret", root / "p/Corvanta/link.kvx");
  List({"kvx", "sub/secret", "sub/data.KVX"});
  const UninstallResult result = Run();
  EXPECT_TRUE(Has("elsewhere/secret"));
  EXPECT_TRUE(Has("elsewhere/data.KVX"));
  EXPECT_FALSE(Has("p/Corvanta/link.kvx")) << "a link is removed as a link, its target stays";
  EXPECT_TRUE(Has("p/Corvanta/sub")) << "a link to a folder is not a made file";
  EXPECT_FALSE(Has("p/Corvanta/kvx"));
  EXPECT_EQ(result.refused.size(), 2u);
}

TEST_F(UninstallFolder, SomethingElseThanAListRemovesNothing) {
  Put("p/Corvanta/kvx");
  Put("p/Corvanta/ACME.KVX");
  Put("p/Corvanta/unins000");
  EXPECT_NE(Run().error, "") << "no list";
  Put("p/Corvanta/unins000.dat", "kvx\r\nACME.KVX\r\n");
  EXPECT_NE(Run().error, "") << "no header: some other program's file";
  Put("p/Corvanta/unins000.dat", std::string(kListHeader) + std::string("\r\nkvx\0\r\n", 8));
  EXPECT_NE(Run().error, "") << "binary";
  Put("p/Corvanta/unins000.dat", std::string(kListHeader) + "\n" + std::string(kMaxListBytes, 'k'));
  EXPECT_NE(Run().error, "") << "huge";
  for (const char* kept : {"p/Corvanta/kvx", "p/Corvanta/ACME.KVX", "p/Corvanta/unins000"})
    EXPECT_TRUE(Has(kept)) << kept;
}

TEST_F(UninstallFolder, AFileThatCannotBeRemovedKeepsTheUninstaller) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold for root";
  Put("p/Corvanta/kvx");
  Put("p/Corvanta/locked/HELP.TXT");
  List({"kvx", "locked/HELP.TXT"});
  fs::permissions(root / "p/Corvanta/locked", fs::perms::owner_read | fs::perms::owner_exec);
  const UninstallResult result = Run();
  fs::permissions(root / "p/Corvanta/locked", fs::perms::owner_all);
  EXPECT_EQ(result.failed.size(), 1u);
  EXPECT_FALSE(result.selfRemoved);
  EXPECT_TRUE(Has("p/Corvanta/unins000"));
  EXPECT_TRUE(Has("p/Corvanta/unins000.dat"));
}

TEST(UninstallList, AcceptsOnlyNamesInTheFolderAndTheTwoDesktopFiles) {
  const fs::path folder = "/opt/p/Corvanta";
  const UninstallList list = ParseUninstallList(
      std::string(kListHeader) +
          "\r\nkvx\r\n./qm\r\nsub/x.gif\r\n/opt/p/Corvanta/HELP.TXT\r\n"
          "a/../b\r\n..\r\n/opt/p/Corvanta\r\n/opt/p/CorvantaX/kvx\r\nsub/\r\n/etc/passwd\r\n"
          "prefix:share/applications/corvanta.desktop\r\nprefix:share/../etc/x\r\n"
          "prefix:/etc/passwd\r\n",
      folder);
  ASSERT_TRUE(list.valid);
  std::vector<std::string> accepted;
  for (const ListedFile& file : list.files) accepted.push_back(file.path.string());
  EXPECT_EQ(accepted,
            (std::vector<std::string>{"/opt/p/Corvanta/kvx", "/opt/p/Corvanta/qm",
                                      "/opt/p/Corvanta/sub/x.gif", "/opt/p/Corvanta/HELP.TXT",
                                      "/opt/p/share/applications/corvanta.desktop"}));
  EXPECT_EQ(list.refused, (std::vector<std::string>{
                              "a/../b", "..", "/opt/p/Corvanta", "/opt/p/CorvantaX/kvx", "sub/",
                              "/etc/passwd", "prefix:share/../etc/x", "prefix:/etc/passwd"}));
  EXPECT_FALSE(ParseUninstallList("", folder).valid);
}

TEST(UninstallList, KnowsTheFilesTheProgramMakes) {
  for (const char* made :
       {"ACME.KVX", "acme.kvx", "LastData.txt", "NDEXDATA.TXT", "GENERIC.TXT", "TEMPHTML.HTM",
        "STATCHAP.HTM", "chap01.htm", "CHAP17.HTM", "contents.htm", "appendA.htm", "TMP_QM.DAT",
        "OUTPUT.HTM", "KVXJUMP.HTM", ".kvx-1234-0", ".kvx-1234-7-shared", ".kvx-spare-chap01.htm"})
    EXPECT_TRUE(IsUserFile(made)) << made;
  for (const char* installed :
       {"kvx", "HELP.TXT", "chap01.dat", "appendB.htm", "NoStart.htm", "CA.dat", "F101.DAT",
        "acme.kvx.bak", "chap1.htm", ".kvx-abc", "chap99.htm", "chap00.htm", ".kvx-a1B2c3"})
    EXPECT_FALSE(IsUserFile(installed)) << installed;
  EXPECT_TRUE(MatchesPattern("aXbXc", "a*b*c"));
  EXPECT_FALSE(MatchesPattern("aXbXd", "a*b*c"));
  EXPECT_TRUE(MatchesPattern("", "*"));
}

TEST(UninstallList, KnowsWhatAnInterruptedWriteLeft) {
  test::TempFolder folder;
  const std::string page = folder.path() + "chap01.htm";
  const pid_t writer = ::fork();
  if (writer == 0) {
    WriteFile(page, std::string(std::size_t{256} << 20, 'x'));  // long enough to be caught
    ::_exit(0);
  }
  ASSERT_GT(writer, 0);
  // Killed while its temporary file is being written.
  std::vector<std::string> left;
  for (int tries = 0; tries < 5000 && left.empty(); ++tries) {
    for (const auto& entry : fs::directory_iterator(folder.path()))
      left.push_back(entry.path().filename().string());
    if (left.empty()) ::usleep(1000);
  }
  ::kill(writer, SIGKILL);
  ::waitpid(writer, nullptr, 0);
  left.clear();
  for (const auto& entry : fs::directory_iterator(folder.path()))
    left.push_back(entry.path().filename().string());
  ASSERT_EQ(1u, left.size());
  if (left[0] == "chap01.htm") GTEST_SKIP() << "the write finished before it could be stopped";
  EXPECT_TRUE(IsUserFile(left[0])) << left[0];
  EXPECT_EQ(std::optional<long>(writer), WorkNameOwner(left[0]));
}

// The program itself, copied into a folder with a list beside it.
class UninstallerProgram : public UninstallFolder {
 protected:
  void SetUp() override {
    List({"kvx"});
    fs::copy_file(KVX_UNINSTALLER, root / "p/Corvanta/unins000",
                  fs::copy_options::overwrite_existing);
    Put("p/Corvanta/kvx");
    Put("p/Corvanta/ACME.KVX");
  }
  test::ProgramResult Start(const std::vector<std::string>& args, const std::string& input) {
    std::vector<std::string> argv{(root / "p/Corvanta/unins000").string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return test::RunProgram(argv, {}, input);
  }
};

TEST_F(UninstallerProgram, AsksFirstUnlessSilent) {
  auto run = Start({}, "\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("(y/N)"), std::string::npos);
  EXPECT_TRUE(Has("p/Corvanta/kvx"));
  EXPECT_EQ(Start({"/bogus"}, "y\n").status, 2);
  EXPECT_TRUE(Has("p/Corvanta/kvx"));
  run = Start({}, "yes\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(Has("p/Corvanta")) << run.out;
}

TEST_F(UninstallerProgram, SilentRemovesEverythingAndItself) {
  const auto run = Start({"/SILENT"}, "");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Removed 4 files and the folder " + (root / "p/Corvanta").string() + ".\n");
  EXPECT_FALSE(Has("p/Corvanta"));
}

}  // namespace
}  // namespace kvx::uninstall
