#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "navigation/BrowserCommand.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

namespace fs = std::filesystem;

void PutProgram(const std::string& path, bool executable) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << "#!/bin/sh\n";
  fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read);
}

TEST(FindBrowserCommand, FirstEntryOfBrowserVariableWins) {
  EXPECT_EQ(FindBrowserCommand("firefox:chromium", "/usr/bin"), "firefox");
  EXPECT_EQ(FindBrowserCommand(" : lynx -dump %s :w3m", ""), "lynx -dump %s");
}

TEST(FindBrowserCommand, ElseAnExecutableXdgOpenOnThePath) {
  test::TempFolder t;
  PutProgram(t.path() + "a/xdg-open", false);  // not executable: skipped
  PutProgram(t.path() + "b/xdg-open", true);
  fs::create_directories(t.path() + "c/xdg-open");  // a folder: skipped
  const std::string path = t.path() + "c::" + t.path() + "a:" + t.path() + "b/:" + t.path();
  EXPECT_EQ(FindBrowserCommand("", path), t.path() + "b/xdg-open");
  EXPECT_EQ(FindBrowserCommand("", t.path() + "a"), "");
  EXPECT_EQ(FindBrowserCommand("", ""), "");
}

TEST(FileUrl, KeepsTheAnchorAndEncodesWhatAUrlCannotHold) {
  EXPECT_EQ(FileUrl("/home/a/Corvanta/chap06.htm#06.10"),
            "file:///home/a/Corvanta/chap06.htm#06.10");
  EXPECT_EQ(FileUrl("/my book/statchap.htm#IV(c)"), "file:///my%20book/statchap.htm#IV(c)");
  EXPECT_EQ(FileUrl("/a\"b/x%y?.htm#a#b c\""), "file:///a%22b/x%25y%3F.htm#a%23b%20c%22");
  EXPECT_EQ(FileUrl("/caf\xC3\xA9/x.htm"), "file:///caf%C3%A9/x.htm");
  EXPECT_EQ(FileUrl("D:\\BOOK\\chap01.htm"), "file:///D:/BOOK/chap01.htm");
  EXPECT_EQ(FileUrl("/p/contents.htm"), "file:///p/contents.htm") << "no anchor, no #";
}

TEST(BrowserUrl, WebAddressesPassUnchanged) {
  EXPECT_EQ(BrowserUrl("http://www.example.com/a b"), "http://www.example.com/a b");
  EXPECT_EQ(BrowserUrl("/p/chap01.htm#01.05"), "file:///p/chap01.htm#01.05");
  EXPECT_FALSE(IsLocalAddress("http://x/"));
  EXPECT_FALSE(IsLocalAddress(""));
  EXPECT_TRUE(IsLocalAddress("C:\\x.htm"));
}

TEST(BrowserArgv, WordsOfTheCommandThenTheUrl) {
  using V = std::vector<std::string>;
  EXPECT_EQ(BrowserArgv("/usr/bin/xdg-open", "file:///a%20b"),
            (V{"/usr/bin/xdg-open", "file:///a%20b"}));
  EXPECT_EQ(BrowserArgv("firefox  --new-window", "u"), (V{"firefox", "--new-window", "u"}));
  EXPECT_EQ(BrowserArgv("lynx -dump %s", "u; rm -rf ~"), (V{"lynx", "-dump", "u; rm -rf ~"}))
      << "the address is one argument, never parsed";
  EXPECT_EQ(BrowserArgv("", "u"), V{});
}

TEST(Redirect, OnlyForAnchoredLocalPagesThroughXdgOpen) {
  EXPECT_TRUE(NeedsRedirect("/usr/bin/xdg-open", "/p/chap06.htm#06.10"));
  EXPECT_TRUE(NeedsRedirect("", "/p/chap06.htm#06.10"));
  EXPECT_FALSE(NeedsRedirect("/usr/bin/xdg-open", "/p/chap06.htm"));
  EXPECT_FALSE(NeedsRedirect("/usr/bin/xdg-open", "http://x/#a"));
  EXPECT_FALSE(NeedsRedirect("firefox", "/p/chap06.htm#06.10"));
  EXPECT_EQ(RedirectPagePath("/p/q/chap06.htm#06.10"), "/p/q/KVXJUMP.HTM");
  const std::string page = RedirectPageText("file:///p/a.htm?x=1&y=2#06.10");
  EXPECT_NE(page.find("content=\"0; url=file:///p/a.htm?x=1&amp;y=2#06.10\""), std::string::npos);
  EXPECT_NE(page.find("<a href=\"file:///p/a.htm?x=1&amp;y=2#06.10\">"), std::string::npos);
}

}  // namespace
}  // namespace kvx
