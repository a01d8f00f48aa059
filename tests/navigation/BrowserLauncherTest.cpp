#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::Count;
using test::TestApp;

// An App in a temporary program folder, in California, with the browser workaround on
// or off.
struct Launcher {
  explicit Launcher(bool workaround, const std::string& script = "") : t(script) {
    t.SetProgramFolder();
    t.app.profile.StateName = "California";
    t.app.profile.StateCode = "CA";
    if (workaround) t.Put(kWorkaroundPage, "");
  }
  std::string Open(const std::string& address) {
    t.app.nav.ChapterAddress = address;
    t.Run([](App& app) { OpenBookLocation(app); });
    return t.Output();
  }
  std::string Browsed(const std::string& address) {
    return "== BROWSE\naddress: " + address + "\n\n";
  }
  TestApp t;
};

TEST(OpenBookLocation, EmptyAddressOpensNothing) {
  Launcher l(true);
  EXPECT_EQ(l.Open(""), "");
  EXPECT_EQ(l.t.Get(kWorkaroundPage), "");
}

TEST(OpenBookLocation, WebAddressIsLaunchedUnchangedEvenWithTheWorkaroundOn) {
  Launcher l(true);
  EXPECT_EQ(l.Open("http://www.example.com/a#b"), l.Browsed("http://www.example.com/a#b"));
  EXPECT_EQ(l.t.Get(kWorkaroundPage), "") << "the workaround page is not written";
  EXPECT_EQ(l.t.app.nav.ChapterAddress, "http://www.example.com/a#b");
}

TEST(OpenBookLocation, PageWithoutAnchorGoesStraightToTheBrowser) {
  for (bool workaround : {false, true}) {
    Launcher l(workaround);
    EXPECT_EQ(l.Open("chap05.htm"), l.Browsed(l.t.dir() + "chap05.htm"));
    EXPECT_EQ(l.t.app.nav.ChapterAddress, l.t.dir() + "chap05.htm");
    EXPECT_EQ(l.t.app.nav.BrowserNoticeCount, 0);
  }
}

TEST(OpenBookLocation, AbsolutePathsAreNotPrefixed) {
  Launcher l(false);
  EXPECT_EQ(l.Open("D:\\BOOK\\chap01.htm"), l.Browsed("D:\\BOOK\\chap01.htm"));
  Launcher m(false);
  EXPECT_EQ(m.Open("/srv/book/chap01.htm#01.05"), m.Browsed("/srv/book/chap01.htm#01.05"));
}

TEST(OpenBookLocation, WorkaroundPageLinksToTheAnchoredPage) {
  struct Case {
    const char* address;
    const char* suffix;
  };
  const Case cases[] = {
      {"chap10.htm#10.02", " to Chapter 10"},
      {"chap05.htm#05.08", " to Chapter 5"},
      {"statchap.htm#NTRO", " to California chapter"},
      {"statchap.htm#VI(b)", " to California chapter"},
      {"statchap.htm#IV(c)", " to California laws chapter"},
      {"appendC.htm#SS4FORM", " to Appendix C"},
      {"contents.htm#TOP", ""},
  };
  for (const Case& c : cases) {
    Launcher l(true);
    const std::string out = l.Open(c.address);
    const std::string dir = l.t.dir();
    EXPECT_EQ(out, l.Browsed(dir + "TEMPHTML.HTM")) << c.address;
    EXPECT_EQ(l.t.app.nav.ChapterAddress, dir + "TEMPHTML.HTM");
    EXPECT_EQ(l.t.Get(kWorkaroundPage),
              "<HTML>\r\n"
              "<FONT FACE=\"Arial Black\" SIZE=+2>\r\n"
              "<p align=\"CENTER\"> <a href=\"" +
                  dir + c.address + "\">Click here to continue" + c.suffix +
                  "</a></p><br>\r\n"
                  "<p align=\"CENTER\"> <a href=\"" +
                  dir +
                  "contents.htm\">Or click here for Table of Contents</a>\r\n"
                  "</FONT>\r\n"
                  "</HTML>\r\n")
        << c.address;
    EXPECT_EQ(l.t.app.nav.BrowserNoticeCount, 0) << "no notice while the workaround is on";
  }
}

TEST(OpenBookLocation, WorkaroundPageKeepsAnAbsoluteTargetAndEscapesQuotes) {
  Launcher l(true);
  l.Open("/srv/my \"book\"/chap06.htm#06.10");
  const std::string page = l.t.Get(kWorkaroundPage);
  EXPECT_NE(page.find("<a href=\"/srv/my &quot;book&quot;/chap06.htm#06.10\">Click here to "
                      "continue to Chapter "),
            std::string::npos)
      << page;
}

TEST(OpenBookLocation, WorkaroundPageEscapesTheStateAndReplacesALink) {
  Launcher l(true);
  test::TempFolder outside;
  WriteFile(outside.path() + "keep", "outside");
  std::filesystem::remove(l.t.dir() + kWorkaroundPage);
  std::filesystem::create_symlink(outside.path() + "keep", l.t.dir() + kWorkaroundPage);
  l.t.app.profile.StateName = "<script>alert(1)</script>";
  l.Open("statchap.htm#SALES TAX");
  const std::string page = l.t.Get(kWorkaroundPage);
  EXPECT_EQ(page.find("<script>"), std::string::npos) << page;
  EXPECT_NE(page.find("continue to &lt;script&gt;alert(1)&lt;/script&gt; laws chapter</a>"),
            std::string::npos)
      << page;
  EXPECT_EQ("outside", ReadFileBytes(outside.path() + "keep"));
  EXPECT_TRUE(std::filesystem::is_regular_file(
      std::filesystem::symlink_status(l.t.dir() + kWorkaroundPage)));
}

TEST(OpenBookLocation, VeryLongAndMissingPagesStillReachTheBrowser) {
  Launcher l(true);
  const std::string address = "chap06.htm#" + std::string(100000, 'x');
  EXPECT_EQ(l.Open(address), l.Browsed(l.t.dir() + "TEMPHTML.HTM"));
  EXPECT_NE(l.t.Get(kWorkaroundPage)
                .find(l.t.dir() + address +
                      "\">Click here to continue to "
                      "Chapter 6</a>"),
            std::string::npos);
  Launcher m(false);
  EXPECT_EQ(m.Open("nosuchpage.htm"), m.Browsed(m.t.dir() + "nosuchpage.htm"));
}

TEST(OpenBookLocation, NoticeAtTheSecondAnchoredOpeningOnly) {
  Launcher l(false);
  const std::string anchored = "chap06.htm#06.10";
  EXPECT_EQ(l.Open(anchored), l.Browsed(l.t.dir() + anchored));
  EXPECT_EQ(l.t.app.nav.BrowserNoticeCount, 1);
  const std::string second = l.Open(anchored);
  EXPECT_EQ(Count(second, "== QUICK"), 1);
  EXPECT_NE(second.find("Fix IE-8 Problem"), std::string::npos);
  EXPECT_LT(second.find("== QUICK"), second.rfind("== BROWSE")) << "notice before the browser";
  EXPECT_EQ(l.t.app.nav.BrowserNoticeCount, 2);
  for (int i = 0; i < 3; ++i) l.Open(anchored);
  EXPECT_EQ(Count(l.t.Output(), "== QUICK"), 1);
  l.Open("chap06.htm");
  EXPECT_EQ(l.t.app.nav.BrowserNoticeCount, 5) << "only anchored openings count";
  // Turning the workaround off sets the count to 1: the next anchored opening notifies.
  l.t.app.nav.BrowserNoticeCount = 1;
  l.Open(anchored);
  EXPECT_EQ(Count(l.t.Output(), "== QUICK"), 2);
}

TEST(OpenBookLocation, NoticeText) {
  EXPECT_EQ(BrowserNotice(),
            "If you are using the Internet Explorer 8.0 browser, that browser version may "
            "sometimes erroneously cause you to \"land\" (randomly) several pages past the "
            "correct \"tag\" position (page) in the file, due to an apparent bug in IE 8.0."
            "\r\n\r\nIf so, see \"Fix IE-8 Problem\" item on the \"Help Menu.\"");
}

// A system whose browser never starts.
struct NoBrowser : test::TestSystem {
  using TestSystem::TestSystem;
  bool Browse(const std::string&) override { return false; }
};

TEST(LaunchBrowser, FailureBoxNamesTheFullPathOrTheWebAddress) {
  Launcher l(false, "OK\nOK\n");
  std::istringstream none;
  std::ostringstream sink;
  Script script(none, sink);
  NoBrowser system(script, l.t.dir());
  App app(l.t.app.ui, system);
  app.session.PathSpec = l.t.dir();
  app.nav.ChapterAddress = "chap05.htm";
  EXPECT_EQ(l.t.Run([&](App&) { OpenBookLocation(app); }), 0);
  app.nav.ChapterAddress = "http://www.example.com/";
  EXPECT_EQ(l.t.Run([&](App&) { OpenBookLocation(app); }), 0);
  const std::string out = l.t.Output();
  EXPECT_NE(out.find("title: Problem opening QV book (HTML file)\nicon: none\nbuttons: OK\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("  in order to open the 'Opusgrand' book file: " + l.t.dir() + "chap05.htm\n"),
            std::string::npos);
  EXPECT_NE(out.find("title: Problem opening Web page\n"), std::string::npos);
  EXPECT_NE(out.find("  Firefox, Chrome, etc.) and enter the following web address (after\n"
                     "  making sure you are connected to the Internet) -- http://www.example.com/"),
            std::string::npos);
  EXPECT_NE(out.find("text:\n  Unable to launch default web browser.\n  \n  You may need"),
            std::string::npos);
}

TEST(TopicTargetToAddress, ChapterNumbersAndWords) {
  EXPECT_EQ(TopicTargetToAddress("11#ACCRUAL"), "chap11.htm#ACCRUAL");
  EXPECT_EQ(TopicTargetToAddress("06.htm#STATE_UNEMP"), "chap06.htm#STATE_UNEMP");
  EXPECT_EQ(TopicTargetToAddress("01"), "chap01.htm");
  EXPECT_EQ(TopicTargetToAddress("17"), "chap17.htm");
  EXPECT_EQ(TopicTargetToAddress("00#x"), "");
  EXPECT_EQ(TopicTargetToAddress("18"), "");
  EXPECT_EQ(TopicTargetToAddress("18#x"), "");
  EXPECT_EQ(TopicTargetToAddress("18#appendix"), "18#appendix") << "a listed word wins";
  EXPECT_EQ(TopicTargetToAddress("14#a#b"), "chap14.htm#a#b") << "from the first #";
  EXPECT_EQ(TopicTargetToAddress("appendC.htm#FORM2553"), "appendC.htm#FORM2553");
  EXPECT_EQ(TopicTargetToAddress("statchap.htm#BULKSALES"), "statchap.htm#BULKSALES");
  EXPECT_EQ(TopicTargetToAddress("preface.htm"), "preface.htm");
  EXPECT_EQ(TopicTargetToAddress("CONTENTS.HTM"), "CONTENTS.HTM");
  EXPECT_EQ(TopicTargetToAddress("http://www.example.com/"), "http://www.example.com/");
  EXPECT_EQ(TopicTargetToAddress("https://www.example.com/"), "");
  EXPECT_EQ(TopicTargetToAddress(""), "");
  EXPECT_EQ(TopicTargetToAddress("7"), "chap7.htm") << "a lone digit reads as its number";
}

TEST(LinkSuffix, AddressKinds) {
  EXPECT_EQ(LinkSuffix("chap17.htm#17.01", "Ohio"), " to Chapter 17");
  EXPECT_EQ(LinkSuffix("chap20.htm#x", "Ohio"), " to Chapter 20");
  EXPECT_EQ(LinkSuffix("chap01.htm#x", "Ohio"), " to Chapter 1");
  EXPECT_EQ(LinkSuffix("STATCHAP.HTM#ntro", "Ohio"), " to Ohio chapter")
      << "#NTRO is tested on the upper-cased address";
  EXPECT_EQ(LinkSuffix("statchap.htm#vi(b)", "Ohio"), " to Ohio laws chapter")
      << "#VI( is tested on the address as written";
  EXPECT_EQ(LinkSuffix("appendA.htm#MYINFO", "Ohio"), " to Appendix A");
  EXPECT_EQ(LinkSuffix("ch", "Ohio"), "");
}

}  // namespace
}  // namespace kvx
