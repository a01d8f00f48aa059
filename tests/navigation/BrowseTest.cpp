// The Qt system's browser hand-off with stand-in browsers that record what they are given.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Files.h"
#include "navigation/BrowserCommand.h"
#include "tests/support/TestApp.h"
#include "ui/qt/QtSystem.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class EnvVar {
 public:
  EnvVar(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    ::setenv(name, value.c_str(), 1);
  }
  ~EnvVar() {
    if (had_)
      ::setenv(name_, old_.c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// A program that writes its arguments, one a line, to record.
void PutRecorder(const std::string& path, const std::string& record) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << record << ".tmp'\nmv '" << record
                      << ".tmp' '" << record << "'\n";
  fs::permissions(path, fs::perms::owner_all);
}

// What the recorder wrote, once it has run.
std::string Recorded(const std::string& record) {
  for (int i = 0; i < 500 && !fs::exists(record); ++i) QTest::qWait(10);
  std::ifstream in(record);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  fs::remove(record);
  return text;
}

TEST(Browse, TheBrowserVariableGetsAFileUrlWithItsAnchor) {
  test::TempFolder t;
  const std::string record = t.path() + "argv.txt";
  PutRecorder(t.path() + "bin/mybrowser", record);
  EnvVar browser("BROWSER", t.path() + "bin/mybrowser --new-window");
  QtSystem system;
  EXPECT_TRUE(system.Browse(t.path() + "my book/chap06.htm#06.10"));
  EXPECT_EQ(Recorded(record), "--new-window\nfile://" + t.path() + "my%20book/chap06.htm#06.10\n");
  EXPECT_TRUE(system.Browse("http://www.example.com/a?b=1#c"));
  EXPECT_EQ(Recorded(record), "--new-window\nhttp://www.example.com/a?b=1#c\n");
  // Shell characters in an address reach the browser as text, never as commands.
  EXPECT_TRUE(system.Browse(t.path() + "x$(touch pwned);`touch pwned`.htm#a'b"));
  EXPECT_EQ(Recorded(record),
            "--new-window\nfile://" + t.path() + "x$(touch%20pwned);%60touch%20pwned%60.htm#a'b\n");
  EXPECT_FALSE(fs::exists("pwned"));
  EXPECT_FALSE(fs::exists(t.path() + "pwned"));
}

TEST(Browse, XdgOpenGetsARedirectPageThatKeepsTheAnchor) {
  test::TempFolder t;
  const std::string record = t.path() + "argv.txt";
  PutRecorder(t.path() + "bin/xdg-open", record);
  EnvVar browser("BROWSER", "");
  EnvVar path("PATH", t.path() + "bin:" + std::getenv("PATH"));
  QtSystem system;
  EXPECT_TRUE(system.Browse(t.path() + "statchap.htm#IV(c)"));
  EXPECT_EQ(Recorded(record), "file://" + t.path() + "KVXJUMP.HTM\n");
  const std::string page = ReadFileBytes(t.path() + "KVXJUMP.HTM");
  EXPECT_NE(page.find("url=file://" + t.path() + "statchap.htm#IV(c)\""), std::string::npos)
      << page;
  // Without an anchor the page itself goes over.
  EXPECT_TRUE(system.Browse(t.path() + "contents.htm"));
  EXPECT_EQ(Recorded(record), "file://" + t.path() + "contents.htm\n");
}

TEST(Browse, ABrowserThatCannotStartFallsBackAndReportsFailure) {
  EnvVar browser("BROWSER", "/nonexistent/browser");
  QtSystem system;
  // The offscreen platform has no URL handler either, so the caller shows its failure box.
  EXPECT_FALSE(system.Browse("/nonexistent/chap01.htm"));
}

}  // namespace
}  // namespace kvx
