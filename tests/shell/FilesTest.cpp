#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "base/Errors.h"
#include "base/Files.h"
#include "core/Messages.h"
#include "profile/CompanyProfile.h"
#include "profile/DataSets.h"
#include "shell/Startup.h"
#include "tests/support/FailingFiles.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::FailingWrites;
using test::FinishesWithoutBlocking;
using test::MakeFifo;
using test::SampleDataSet;
using test::TempFolder;
using test::TestApp;

namespace fs = std::filesystem;

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KvxError& e) {
    return e.number;
  }
  return 0;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Files, SplitsLinesAcceptingCrLfAndLf) {
  EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
  EXPECT_EQ(SplitLines(std::string("x\0y\r\n", 5)),
            std::vector<std::string>{std::string("x\0y", 3)});
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(Files, NamesAreFoundIgnoringCaseAndAnExactMatchWins) {
  TempFolder f;
  WriteFile(f.path() + "Acme.kvx", "1");
  EXPECT_TRUE(Exist(f.path() + "ACME.KVX"));
  EXPECT_EQ(ReadFileBytes(f.path() + "acme.KVX"), "1");
  EXPECT_FALSE(Exist(f.path() + "ACME.KV"));
  // Written by another program, two spellings can coexist; the exact one is read.
  std::ofstream(f.path() + "ACME.KVX") << "2";
  EXPECT_EQ(ReadFileBytes(f.path() + "ACME.KVX"), "2");
  EXPECT_EQ(ReadFileBytes(f.path() + "Acme.kvx"), "1");
  // A write replaces every other spelling.
  WriteFileAtomic(f.path() + "acme.kvx", "3");
  EXPECT_EQ(Entries(f.path()), std::vector<std::string>{"acme.kvx"});
}

TEST(Files, MissingAndShortFilesRaiseTheirErrors) {
  TempFolder f;
  EXPECT_EQ(ErrorOf([&] { ReadFileBytes(f.path() + "none"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { LineReader r(f.path() + "none"); }), kErrFileNotFound);
  WriteFile(f.path() + "one", "only\r\n");
  LineReader r(f.path() + "one");
  EXPECT_EQ(r.Next(), "only");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(ErrorOf([&] { r.Next(); }), kErrInputPastEnd);
  EXPECT_EQ(ErrorOf([&] { ReadFirstLine(f.path()); }), kErrPermissionDenied);
}

TEST(Files, AFailedAtomicWriteKeepsTheOldFileAndLeavesNoTemporary) {
  TempFolder f;
  // A folder in the way of the target: the rename fails whoever we run as.
  std::filesystem::create_directories(f.path() + "NDEXDATA.TXT/inside");
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomic(f.path() + "NDEXDATA.TXT", "x"); }),
            kErrPermissionDenied);
  EXPECT_EQ(Entries(f.path()), std::vector<std::string>{"NDEXDATA.TXT"});
  EXPECT_TRUE(std::filesystem::is_directory(f.path() + "NDEXDATA.TXT/inside"));
  EXPECT_EQ(ErrorOf([&] { WriteFileAtomic(f.path() + "no/such/folder", "x"); }), kErrFileNotFound);
}

TEST(Files, ANamedPipeCountsAsMissingAndIsNeverOpened) {
  TempFolder f;
  const std::string fifo = f.path() + "ACME.KVX";
  MakeFifo(fifo);
  int read = 0, lines = 0, first = 0;
  bool exists = true;
  EXPECT_TRUE(FinishesWithoutBlocking({fifo}, [&] {
    exists = Exist(f.path() + "acme.kvx");
    read = ErrorOf([&] { ReadFileBytes(fifo); });
    lines = ErrorOf([&] { LineReader r(fifo); });
    first = ErrorOf([&] { ReadFirstLine(f.path() + "Acme.Kvx"); });
  }));
  EXPECT_FALSE(exists);
  EXPECT_EQ(kErrFileNotFound, read);
  EXPECT_EQ(kErrFileNotFound, lines);
  EXPECT_EQ(kErrFileNotFound, first);
  // A device is no file either; a folder is, and still reads as permission denied.
  EXPECT_FALSE(Exist("/dev/null"));
  EXPECT_EQ(kErrFileNotFound, ErrorOf([] { ReadFileBytes("/dev/zero"); }));
  EXPECT_TRUE(Exist(f.path()));
}

TEST(Files, AWriteReplacesALinkAndNeverFollowsIt) {
  TempFolder f, outside;
  WriteFile(outside.path() + "target", "outside");
  WriteFile(outside.path() + "other", "outside");
  fs::create_symlink(outside.path() + "target", f.path() + "chap03.htm");
  fs::create_symlink(outside.path() + "target", f.path() + "ACME.KVX");
  fs::create_symlink(outside.path() + "other", f.path() + "COPY.GIF");
  // A link whose name differs in letter case goes too, as a file of that name would.
  fs::create_symlink(outside.path() + "target", f.path() + "OUTPUT.HTM");
  WriteFile(f.path() + "chap03.htm", "page");
  WriteFileAtomic(f.path() + "ACME.KVX", "data set");
  WriteFile(f.path() + "output.htm", "work");
  CopyFile(f.path() + "chap03.htm", f.path() + "COPY.GIF");
  EXPECT_EQ("outside", ReadFileBytes(outside.path() + "target"));
  EXPECT_EQ("outside", ReadFileBytes(outside.path() + "other"));
  for (const char* name : {"chap03.htm", "ACME.KVX", "output.htm", "COPY.GIF"})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f.path() + name))) << name;
  EXPECT_EQ("data set", ReadFileBytes(f.path() + "ACME.KVX"));
  EXPECT_EQ("page", ReadFileBytes(f.path() + "COPY.GIF"));
  EXPECT_EQ((std::vector<std::string>{"ACME.KVX", "COPY.GIF", "chap03.htm", "output.htm"}),
            Entries(f.path()));
}

TEST(Files, AFailingDeviceKeepsTheOldFile) {
  TempFolder f;
  WriteFile(f.path() + "chap01.htm", "old page");
  WriteFileAtomic(f.path() + "ACME.KVX", "old data");
  {
    FailingWrites full("chap01", test::DiskFullAfter{3});
    EXPECT_EQ(kErrDiskFull, ErrorOf([&] { WriteFile(f.path() + "chap01.htm", "new page"); }));
    EXPECT_EQ(0, ErrorOf([&] { WriteFile(f.path() + "chap02.htm", "other"); }));
    EXPECT_EQ(0, ErrorOf([&] { WriteFile(f.path() + "CHAP01.HTM.x", "ab"); }));  // short
  }
  {
    FailingWrites denied("", test::WritesDenied{});
    EXPECT_EQ(kErrPermissionDenied,
              ErrorOf([&] { WriteFileAtomic(f.path() + "ACME.KVX", "new data"); }));
  }
  EXPECT_EQ("old page", ReadFileBytes(f.path() + "chap01.htm"));
  EXPECT_EQ("old data", ReadFileBytes(f.path() + "ACME.KVX"));
  EXPECT_EQ((std::vector<std::string>{"ACME.KVX", "CHAP01.HTM.x", "chap01.htm", "chap02.htm"}),
            Entries(f.path()));
  WriteFile(f.path() + "chap01.htm", "new page");  // the fault is gone with its guard
  EXPECT_EQ("new page", ReadFileBytes(f.path() + "chap01.htm"));
}

TEST(DataSets, AFailedSaveKeepsTheOldDataSetAndSaysSo) {
  TestApp t;
  t.SetProgramFolder();
  for (int n = 1; n <= kDataSetLines; ++n) SetProfileLine(t.app.profile, n, SampleDataSet()[n - 1]);
  ASSERT_TRUE(SaveDataSet(t.app, "ACME.KVX"));
  const std::string saved = t.Get("ACME.KVX");
  const std::string last = t.Get("LASTDATA.TXT");
  t.app.profile.Company = "Changed Co";
  {
    FailingWrites full("ACME.KVX", test::DiskFullAfter{10});
    EXPECT_FALSE(SaveDataSet(t.app, "ACME.KVX"));
  }
  {
    FailingWrites denied("LASTDATA", test::WritesDenied{});
    EXPECT_FALSE(SaveDataSet(t.app, "Other.KVX"));
  }
  EXPECT_EQ(saved, t.Get("ACME.KVX"));
  EXPECT_EQ(last, t.Get("LASTDATA.TXT"));
  const std::string shown = t.Output();
  EXPECT_NE(std::string::npos,
            shown.find("Error number  61 (Disk full) detected in subprogram or function "
                       "SaveDataSet"));
  EXPECT_NE(std::string::npos,
            shown.find("Error number  70 (Permission denied) detected in subprogram or function "
                       "SaveDataSet"));
}

TEST(DataSets, SessionFilesAndTheQuickMessageReplaceLinksOutOfTheFolder) {
  TestApp t;
  t.SetProgramFolder();
  for (int n = 1; n <= kDataSetLines; ++n) SetProfileLine(t.app.profile, n, SampleDataSet()[n - 1]);
  TempFolder outside;
  WriteFile(outside.path() + "keep", "outside");
  for (const char* name : {"ACME.KVX", "LASTDATA.TXT", "NDEXDATA.TXT", "TMP_QM.DAT"})
    fs::create_symlink(outside.path() + "keep", t.dir() + name);
  ASSERT_TRUE(SaveDataSet(t.app, "ACME.KVX"));
  QuickMessage(t.app, "a notice");
  EXPECT_EQ("outside", ReadFileBytes(outside.path() + "keep"));
  EXPECT_EQ("ACME.KVX\r\n", t.Get("LASTDATA.TXT"));
  EXPECT_EQ("a notice\r\n", t.Get("TMP_QM.DAT"));
  for (const char* name : {"ACME.KVX", "LASTDATA.TXT", "NDEXDATA.TXT", "TMP_QM.DAT"})
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(t.dir() + name))) << name;
}

TEST(DataSets, NamedPipesInTheSessionNeverHoldUpStartUp) {
  // The data set LASTDATA.TXT names is a pipe: start-up says it is missing.
  TestApp t("OK\n");
  t.PutBookFiles();
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  MakeFifo(t.dir() + "ACME.KVX");
  t.app.hooks.runMainWindow = [](App&) {};
  EXPECT_TRUE(FinishesWithoutBlocking({t.dir() + "ACME.KVX"},
                                      [&] { t.Run([](App& app) { ProgramEntry(app, ""); }); }));
  EXPECT_NE(std::string::npos, t.Output().find("File named ACME.KVX not found or corrupted"));

  // Pipes as the session files and a listed data set: the load reports, the list skips.
  TestApp u;
  u.SetProgramFolder();
  MakeFifo(u.dir() + "LASTDATA.TXT");
  MakeFifo(u.dir() + "PIPE.KVX");
  u.PutLines("NDEXDATA.TXT", {"PIPE.KVX", "REAL.KVX"});
  u.PutLines("REAL.KVX", SampleDataSet());
  bool loaded = true;
  EXPECT_TRUE(FinishesWithoutBlocking({u.dir() + "LASTDATA.TXT", u.dir() + "PIPE.KVX"}, [&] {
    loaded = LoadDataSet(u.app, LoadMode::StartUp);
    ReadDataList(u.app);
  }));
  EXPECT_FALSE(loaded);
  EXPECT_NE(std::string::npos, u.Output().find("Error number  53 (File not found)"));
  EXPECT_EQ("REAL.KVX", u.app.session.DataList[1]);
  EXPECT_EQ("", u.app.session.DataList[2]);
}

TEST(Files, NamesComeFromOneListingThatFollowsEveryChangeOfTheFolder) {
  TempFolder folder;
  const std::string dir = folder.path();
  WriteFile(dir + "Page.HTM", "one");
  EXPECT_EQ(dir + "Page.HTM", Resolve(dir + "page.htm"));  // the folder is listed here
  // Changes made behind the program's back are seen at once, however soon they follow.
  { std::ofstream(dir + "Other.TXT") << "x"; }
  EXPECT_EQ(dir + "Other.TXT", Resolve(dir + "OTHER.txt"));
  fs::rename(dir + "Other.TXT", dir + "Third.TXT");
  EXPECT_EQ(dir + "OTHER.txt", Resolve(dir + "OTHER.txt"));
  EXPECT_TRUE(Exist(dir + "third.txt"));
  // The program's own writes keep the listing whole: a new case variant replaces the old.
  WriteFile(dir + "PAGE.htm", "two");
  EXPECT_EQ((std::vector<std::string>{"PAGE.htm", "Third.TXT"}), Entries(dir));
  EXPECT_EQ("two", ReadFileBytes(dir + "page.HTM"));
  fs::remove(dir + "PAGE.htm");
  EXPECT_FALSE(Exist(dir + "page.htm"));
}

TEST(Files, AWriteTakesTheOldPagesPlaceAndNeverAFolders) {
  TempFolder folder;
  const std::string dir = folder.path();
  WriteFile(dir + "page.htm", "old");
  {
    std::ifstream reader(dir + "page.htm");  // a reader that opened the old page keeps it
    WriteFile(dir + "page.htm", std::string(70000, 'n'));
    std::string seen;
    reader >> seen;
    EXPECT_EQ("old", seen);
  }
  EXPECT_EQ(std::string(70000, 'n'), ReadFileBytes(dir + "page.htm"));  // more than one read
  WriteFile(dir + "empty.htm", "");
  EXPECT_EQ("", ReadFileBytes(dir + "empty.htm"));
  fs::create_directory(dir + "chap01.htm");
  std::ofstream(dir + "chap01.htm/keep") << "k";
  EXPECT_EQ(kErrPermissionDenied, ErrorOf([&] { WriteFile(dir + "chap01.htm", "page"); }));
  EXPECT_TRUE(fs::is_directory(dir + "chap01.htm"));
  EXPECT_TRUE(fs::exists(dir + "chap01.htm/keep"));
  EXPECT_EQ((std::vector<std::string>{"chap01.htm", "empty.htm", "page.htm"}), Entries(dir));
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(0, ::lstat(path.c_str(), &st)) << path;
  return st.st_mode & 0777;
}

// The umask for the life of a scope.
class Umask {
 public:
  explicit Umask(mode_t mask) : old_(::umask(mask)) {}
  ~Umask() { ::umask(old_); }

 private:
  mode_t old_;
};

TEST(Files, ARewriteKeepsThePermissionsItReplacesAndANewFileTakesTheUmasks) {
  TempFolder folder;
  const std::string dir = folder.path();
  const Umask mask(077);
  WriteFile(dir + "chap01.htm", "new");
  EXPECT_EQ(0600u, ModeOf(dir + "chap01.htm"));
  for (int n = 0; n < 3; ++n) WriteFile(dir + "chap01.htm", "again");  // every other build too
  EXPECT_EQ(0600u, ModeOf(dir + "chap01.htm"));
  // A data set kept private stays private when saved; one shared stays shared.
  WriteFileAtomic(dir + "HARBOR.KVX", "one");
  ASSERT_EQ(0, ::chmod((dir + "HARBOR.KVX").c_str(), 0600));
  {
    const Umask open(022);
    WriteFileAtomic(dir + "HARBOR.KVX", "two");
    EXPECT_EQ(0600u, ModeOf(dir + "HARBOR.KVX"));
    ASSERT_EQ(0, ::chmod((dir + "chap01.htm").c_str(), 0644));
  }
  WriteFile(dir + "chap01.htm", "third");
  EXPECT_EQ(0644u, ModeOf(dir + "chap01.htm"));
  EXPECT_EQ("two", ReadFileBytes(dir + "HARBOR.KVX"));
}

TEST(Files, EveryWriteLeavesNothingBesideTheFileWhateverHappens) {
  TempFolder folder;
  const std::string dir = folder.path(), page = dir + "chap01.htm";
  WriteFile(page, std::string(10000, 'a'));
  WriteFile(page, std::string(9000, 'b'));
  EXPECT_EQ(std::string(9000, 'b'), ReadFileBytes(page));
  {
    FailingWrites full("chap01", test::DiskFullAfter{3});
    EXPECT_EQ(kErrDiskFull, ErrorOf([&] { WriteFile(page, "not to be seen"); }));
    EXPECT_EQ(kErrDiskFull, ErrorOf([&] { WriteFileAtomic(page, "not to be seen"); }));
  }
  EXPECT_EQ(std::string(9000, 'b'), ReadFileBytes(page));
  fs::rename(page, dir + "moved.htm");
  fs::create_directory(page);
  EXPECT_EQ(kErrPermissionDenied, ErrorOf([&] { WriteFile(page, "page"); }));
  EXPECT_TRUE(fs::is_directory(page));
  WriteFileAtomic(dir + "ACME.KVX", "one");
  WriteFileAtomic(dir + "ACME.KVX", "two");
  EXPECT_EQ((std::vector<std::string>{"ACME.KVX", "chap01.htm", "moved.htm"}), Entries(dir));
}

TEST(WorkNames, OneRuleNamesEveryWorkFileAndTellsWhoseItIs) {
  const std::string name = WorkName();
  EXPECT_EQ(std::optional<long>(::getpid()), WorkNameOwner(name));
  EXPECT_EQ(std::optional<long>(::getpid()), WorkNameOwner(WorkName("old")));
  EXPECT_NE(name, WorkName());
  EXPECT_EQ(std::optional<long>(123), WorkNameOwner(".kvx-123-4-shared"));
  for (const char* other : {".kvx-", ".kvx-12", ".kvx-12-", ".kvx-a-1", ".kvx-12-x", "kvx-12-3",
                            ".kvx-spare-chap01.htm", "chap01.htm"})
    EXPECT_FALSE(WorkNameOwner(other).has_value()) << other;
  EXPECT_TRUE(IsWorkName(".kvx-spare-chap01.htm"));
  EXPECT_FALSE(IsWorkName(".kvx-spare-"));
  EXPECT_FALSE(IsWorkName("chap99.htm"));
}

TEST(WorkNames, OnlyWhatFinishedProcessesLeftIsRemoved) {
  TempFolder folder, outside;
  const std::string dir = folder.path();
  // A process that has ended: its number is free once it has been waited for.
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ::waitpid(ended, nullptr, 0);
  const std::string dead = ".kvx-" + std::to_string(ended) + "-0";
  WriteFile(dir + dead, "half a data set");
  fs::create_directory(dir + dead + "-shared");
  WriteFile(dir + dead + "-shared/page.htm", "p");
  WriteFile(outside.path() + "precious", "kept");
  fs::create_symlink(outside.path() + "precious", dir + ".kvx-spare-chap02.htm");
  WriteFile(dir + ".kvx-spare-chap01.htm", "an old page");
  const std::string mine = WorkName();
  WriteFile(dir + mine, "being written");
  WriteFile(dir + "chap01.htm", "the page");
  RemoveStaleWork(dir);
  EXPECT_EQ((std::vector<std::string>{mine, "chap01.htm"}), Entries(dir));
  EXPECT_EQ("kept", ReadFileBytes(outside.path() + "precious"));
}

TEST(FolderLock, OneHolderAtATimeAndAKilledOneNeverBlocks) {
  TempFolder folder;
  {
    const FolderLock first(folder.path());
    ASSERT_TRUE(first.Held());
    const FolderLock second(folder.path(), std::chrono::milliseconds(50));
    EXPECT_FALSE(second.Held());
    EXPECT_TRUE(second.Busy());
  }
  EXPECT_TRUE(FolderLock(folder.path()).Held());
  // A process that holds the lock and is killed: the kernel lets go of it.
  int ready[2];
  ASSERT_EQ(0, ::pipe(ready));
  const pid_t child = ::fork();
  if (child == 0) {
    const FolderLock held(folder.path());
    const char byte = held.Held() ? 'y' : 'n';
    (void)!::write(ready[1], &byte, 1);
    ::pause();
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(1, ::read(ready[0], &byte, 1));
  EXPECT_EQ('y', byte);
  EXPECT_TRUE(FolderLock(folder.path()).Busy());
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(FolderLock(folder.path(), std::chrono::seconds(1)).Held());
  ::close(ready[0]);
  ::close(ready[1]);
  // A folder that is not there is neither held nor busy.
  const FolderLock missing(folder.path() + "none/");
  EXPECT_FALSE(missing.Held());
  EXPECT_FALSE(missing.Busy());
}

TEST(Files, NewFilesLinksAndFoldersPutInPlace) {
  TempFolder folder;
  const std::string dir = folder.path();
  const std::string work = MakeWorkFolder(dir, "ed");
  const std::string workName = NameOf(work.substr(0, work.size() - 1));
  EXPECT_EQ(std::optional<long>(::getpid()), WorkNameOwner(workName));
  EXPECT_EQ(workName.size() - 3, workName.rfind("-ed"));
  WriteNewFile(work + "page.htm", "new");
  EXPECT_EQ(kErrPermissionDenied, ErrorOf([&] { WriteNewFile(work + "page.htm", "again"); }));
  EXPECT_EQ("new", ReadFileBytes(work + "page.htm"));
  WriteFile(dir + "picture.gif", "GIF");
  LinkOrCopyFile(dir + "picture.gif", work + "picture.gif");
  EXPECT_TRUE(fs::equivalent(dir + "picture.gif", work + "picture.gif"));  // one copy
  {
    FailingWrites full("full.htm", test::DiskFullAfter{1});
    EXPECT_EQ(kErrDiskFull, ErrorOf([&] { WriteNewFile(work + "full.htm", "xy"); }));
  }
  EXPECT_FALSE(fs::exists(work + "full.htm"));

  // Whatever holds the target's name goes, a link as a link: what it points to stays.
  fs::create_directory(dir + "elsewhere");
  std::ofstream(dir + "elsewhere/precious") << "p";
  fs::create_directory_symlink(dir + "elsewhere", dir + "ED");
  ReplaceFolder(work, dir + "ED");
  EXPECT_FALSE(fs::is_symlink(dir + "ED"));
  EXPECT_EQ("new", ReadFileBytes(dir + "ED/page.htm"));
  EXPECT_TRUE(fs::exists(dir + "elsewhere/precious"));
  const std::string second = MakeWorkFolder(dir, "ed");
  WriteNewFile(second + "other.htm", "second");
  ReplaceFolder(second, dir + "ED");  // an old edition is replaced whole
  EXPECT_EQ((std::vector<std::string>{"other.htm"}), Entries(dir + "ED"));
  EXPECT_EQ((std::vector<std::string>{"ED", "elsewhere", "picture.gif"}), Entries(dir));
}

TEST(Files, OnlyPlainNamesArePlain) {
  for (const char* good : {"ACME.KVX", "Joe's_Diner.KVX", "a b"})
    EXPECT_TRUE(IsPlainFileName(good));
  for (const char* bad : {"", ".", "..", "../ACME.KVX", "/etc/passwd", "a\\b", "C:ACME.KVX"})
    EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

TEST(Text, AsciiCaseOnly) {
  EXPECT_EQ(UpperAscii("abc\xc3\xa9z"), "ABC\xc3\xa9Z");
  EXPECT_TRUE(EqualsIgnoreCase("Acme.Kvx", "ACME.KVX"));
  EXPECT_FALSE(EqualsIgnoreCase("Acme", "Acm"));
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("\tx\t"), "\tx\t");
}

TEST(Text, LeadingNumbersStopAtThirtyTwoBits) {
  EXPECT_EQ(LeadingInt32("  42abc"), 42);
  EXPECT_EQ(LeadingInt32("+7"), 7);
  EXPECT_EQ(LeadingInt32("abc"), 0);
  EXPECT_EQ(LeadingInt32("-"), 0);
  EXPECT_EQ(LeadingInt32("2147483647"), INT32_MAX);
  EXPECT_EQ(LeadingInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(LeadingInt32("2147483648"), std::nullopt);
  EXPECT_EQ(LeadingInt32("-2147483649"), std::nullopt);
  EXPECT_EQ(LeadingInt32(std::string(1000, '9')), std::nullopt);
  // Tabs count as blanks only where the caller says so.
  EXPECT_EQ(LeadingInt32("\t5"), 0);
  EXPECT_EQ(LeadingInt32("\t5", " \t"), 5);
}

}  // namespace
}  // namespace kvx
