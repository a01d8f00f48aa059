// A program folder stays whole whoever builds in it: one build at a time, the book and the
// current company always agree, the folder named as an absolute path, and nothing hidden
// left behind by a build that was killed.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/Files.h"
#include "book/BookFiles.h"
#include "core/FolderHold.h"
#include "profile/DataSets.h"
#include "tests/book/BookFixture.h"

extern char** environ;

namespace kvx::test {
namespace {

namespace fs = std::filesystem;

// Every page names the company, and the topic index and the search index do too.
void PutCompanyBook(TestApp& t) {
  PutEmptyBook(t);
  for (const std::string& page : TemplatePageNames())
    t.Put(page + ".dat", Encoded({"<HTML><BODY>", "<p>START_READ", "<p>Page of @Company",
                                  "<p>STOP_READ", "</BODY></HTML>"}));
  t.PutLines("acme.kvx", SampleDataSet());
  std::vector<std::string> other = SampleDataSet();
  other[2] = "Zephyr Works";
  t.PutLines("zephyr.kvx", other);
  t.PutLines("LASTDATA.TXT", {"acme.kvx"});
  t.PutLines("NDEXDATA.TXT", {"acme.kvx"});
}

std::vector<std::string> WorkFiles(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().rfind(".kvx", 0) == 0)
      found.push_back(entry.path().filename().string());
  return found;
}

// The company every page of the built book names, or "mixed".
std::string BookCompany(TestApp& t) {
  std::string company;
  std::vector<std::string> files = TemplatePageNames();
  for (std::string& page : files) page += ".htm";
  files.insert(files.end(), {kTopicsPage, kSearchIndex});
  for (const std::string& file : files) {
    const std::string text = t.Get(file);
    const bool acme = Contains(text, "Acme Pizza Parlor"), zephyr = Contains(text, "Zephyr Works");
    const std::string named = acme == zephyr ? "mixed" : acme ? "acme.kvx" : "zephyr.kvx";
    if (company.empty()) company = named;
    if (named != company) return "mixed";
  }
  return company;
}

TEST(FolderSafety, BuildingADataSetMakesItTheFoldersCurrentOne) {
  TestApp t;
  PutCompanyBook(t);
  int status = -1;
  RunKvxbook("build " + Quoted(t.dir()) + " zephyr.kvx", status);
  ASSERT_EQ(0, status);
  EXPECT_EQ("zephyr.kvx\r\n", t.Get("LASTDATA.TXT"));
  EXPECT_EQ("acme.kvx\r\nzephyr.kvx\r\n", t.Get("NDEXDATA.TXT"));
  EXPECT_EQ("zephyr.kvx", BookCompany(t));
  // The program, started on the folder, finds the company its book was built for.
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ("Zephyr Works", t.app.profile.Company);
  // So does printing one: the listed data set is not listed twice.
  RunKvxbook("print " + Quoted(t.dir()) + " acme.kvx", status);
  EXPECT_EQ("acme.kvx\r\n", t.Get("LASTDATA.TXT"));
  EXPECT_EQ("acme.kvx\r\nzephyr.kvx\r\n", t.Get("NDEXDATA.TXT"));
}

TEST(FolderSafety, ARelativeFolderIsNamedInThePagesAsAnAbsoluteOne) {
  TestApp t;
  PutCompanyBook(t);
  t.Put("preface.dat", Encoded({"<p>the folder @PATHSPEC here"}));
  int status = -1;
  RunKvxbook("build . acme.kvx", status);  // run from elsewhere: the folder is not there
  EXPECT_NE(0, status);
  const std::string command = "cd " + Quoted(t.dir()) + " && " +
                              Quoted(std::string(KVX_PROGRAM_DIR) + "/kvxbook") +
                              " build . acme.kvx >/dev/null 2>&1";
  ASSERT_EQ(0, std::system(command.c_str()));
  EXPECT_EQ("<p>the folder " + t.dir() + " here\r\n", t.Get("preface.htm"));
}

TEST(FolderSafety, TwoBuildsIntoOneFolderNeverMixTheirBooks) {
  TestApp t;
  PutCompanyBook(t);
  for (int round = 0; round < 50; ++round) {
    int first = -1, second = -1;
    std::thread a([&] { RunKvxbook("build " + Quoted(t.dir()) + " acme.kvx", first); });
    std::thread b([&] { RunKvxbook("build " + Quoted(t.dir()) + " zephyr.kvx", second); });
    a.join();
    b.join();
    ASSERT_EQ(0, first) << round;
    ASSERT_EQ(0, second) << round;
    // The book is one company's, the one the folder's session names.
    const std::string company = BookCompany(t);
    ASSERT_NE("mixed", company) << round;
    ASSERT_EQ(company + "\r\n", t.Get("LASTDATA.TXT")) << round;
  }
  EXPECT_TRUE(WorkFiles(t.dir()).empty());
}

TEST(FolderSafety, ABusyFolderIsReportedAndNothingIsWritten) {
  TestApp t("Retry\nCancel\n");
  PutCompanyBook(t);
  const std::string before = t.Get("LASTDATA.TXT");
  {
    const FolderLock other(t.dir());  // as another process's build would hold it
    ASSERT_TRUE(other.Held());
    int status = -1;
    const std::string command = Quoted(std::string(KVX_PROGRAM_DIR) + "/kvxbook") + " build " +
                                Quoted(t.dir()) + " zephyr.kvx 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(nullptr, pipe);
    std::string said;
    char buffer[512];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      said.append(buffer, n);
    const int raw = ::pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    EXPECT_EQ(1, status);
    EXPECT_NE(std::string::npos, said.find("another build is running in " + t.dir())) << said;
    EXPECT_FALSE(t.Has("chap01.htm"));
    EXPECT_EQ(before, t.Get("LASTDATA.TXT"));

    // The program asks, and Cancel leaves the data set as it was.
    LoadCompany(t.app, SampleDataSet());
    const std::string dataSet = t.Get("acme.kvx");
    t.app.profile.Company = "Changed Name";
    EXPECT_FALSE(SaveDataSet(t.app, "acme.kvx"));
    EXPECT_EQ(2, Count(t.Output(), "another build is running in " + t.dir()));
    EXPECT_NE(std::string::npos, t.Output().find("buttons: Retry Cancel"));
    EXPECT_EQ(dataSet, t.Get("acme.kvx"));
  }
  // Once the other build is done, the save goes through.
  EXPECT_TRUE(SaveDataSet(t.app, "acme.kvx"));
  EXPECT_NE(std::string::npos, t.Get("acme.kvx").find("Changed Name"));
}

// Starts kvxbook build on the folder without waiting for it.
pid_t StartBuild(const std::string& folder, const std::string& dataSet) {
  const std::string program = std::string(KVX_PROGRAM_DIR) + "/kvxbook";
  std::vector<std::string> args = {program, "build", folder, dataSet};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

TEST(FolderSafety, TheNextBuildRemovesWhatKilledOnesLeft) {
  TestApp t;
  PutCompanyBook(t);
  // A hidden copy as the last release kept beside every page.
  t.Put(".kvx-spare-chap01.htm", "an old page");
  std::mt19937 random(20261209);
  for (int round = 0; round < 20; ++round) {
    const pid_t pid = StartBuild(t.dir(), round % 2 ? "acme.kvx" : "zephyr.kvx");
    ASSERT_GT(pid, 0);
    ::usleep(static_cast<useconds_t>(random() % 60000));
    ::kill(pid, SIGKILL);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
  }
  // A temporary file of a process that still runs (this one) is left alone.
  const std::string mine = WorkName();
  t.Put(mine, "being written");
  int status = -1;
  RunKvxbook("build " + Quoted(t.dir()) + " acme.kvx", status);
  ASSERT_EQ(0, status);
  EXPECT_EQ(std::vector<std::string>{mine}, WorkFiles(t.dir()));
  EXPECT_EQ("acme.kvx", BookCompany(t));
}

}  // namespace
}  // namespace kvx::test
