// The main window in automation: its labels, its menu captions, and every picture button
// and menu command doing what its row says; the uninstaller search and the browser
// workaround switch.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "shell/MainWindow.h"
#include "shell/Maintenance.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::Count;
using test::TestApp;

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(MainWindow, CompanyLabelFollowsTheNameLengthTheEditionAndAmpersands) {
  EXPECT_EQ(CompanyLabel("N", "Nineteen characters"), "Company: Nineteen characters");
  EXPECT_EQ(CompanyLabel("N", "Twenty characters ok"), "Twenty characters ok");
  EXPECT_EQ(CompanyLabel("N", "Smith & Sons"), "Company: Smith && Sons");
  EXPECT_EQ(CompanyLabel("N", "A&B&&C Twenty chars!"), "A&&B&&&&C Twenty chars!");
  EXPECT_EQ(CompanyLabel("Y", "Acme"), "Company: (Generic Version)");
  EXPECT_EQ(CompanyLabel("N", ""), "Company: Not selected");
  // Characters, not bytes: 19 accented letters are still short, and nothing is cut.
  const std::string accented =
      "Caf\xC3\xA9 \xC3\xA9t\xC3\xA9 Montr\xC3\xA9"
      "al";
  EXPECT_EQ(CompanyLabel("N", accented), "Company: " + accented);
  std::string thirty;
  for (int i = 0; i < 30; ++i) thirty += "\xC3\xA9";
  EXPECT_EQ(CompanyLabel("N", thirty), thirty);
  EXPECT_EQ(CompanyLabel("N", "\"Quotes\" <tag>"), "Company: \"Quotes\" <tag>");
  EXPECT_EQ(StateLabelText(""), "State: Not selected");
  EXPECT_EQ(StateLabelText("Texas"), "State: Texas");
}

// A program folder with a California company, its book files and a session.
struct Home {
  explicit Home(const std::string& script, const std::string& inExistence = "Y") : t(script) {
    t.PutBookFiles("CA");
    t.PutLines("ACME.KVX", test::SampleDataSet());
    t.SetProgramFolder();
    const auto lines = test::SampleDataSet();
    t.app.profile.StateName = lines[0];
    t.app.profile.StateCode = lines[1];
    t.app.profile.Company = lines[2];
    t.app.profile.Entity = lines[3];
    t.app.profile.InExistence = inExistence;
    t.app.profile.DataComplete = "Y";
    t.app.session.DataFile = "ACME.KVX";
  }
  std::string Run() {
    status = t.Run([](App& app) { RunMainWindow(app); });
    return t.Output();
  }
  TestApp t;
  int status = -1;
};

TEST(MainWindow, DescribesMenusPicturesAndTheTopicList) {
  Home h("close\n");
  const std::string out = h.Run();
  EXPECT_EQ(h.status, 0);
  EXPECT_EQ(out.rfind("== DIALOG MainWindow\ntitle: Opusgrand in California\n"
                      "menu 905: &New Data File\nmenu 910: &Open Data File\n"
                      "menu 915: &Save Data File\nmenu 920: Save Data File &As\n"
                      "menu 944: &Print CA Book\nmenu 922: &Uninstall\nmenu 925: -\n"
                      "menu 930: E&xit  -  Alt + F4\nmenu 940: Make &Generic Version\n"
                      "menu 955: Corvanta &HELP  -  F1\nmenu 957: &Halvorn Software website\n"
                      "menu 958: &Fix IE-8 Browser Problem  -  Off\nmenu 960: &About\n"
                      "picture: FORM1_PICTURE1_BMP\ngroup: Currently Configured For:\n"
                      "label: Company: Acme Pizza Parlor\nlabel: State: California\n"
                      "label: TOPIC INDEX\nlist: ",
                      0),
            0u)
      << out;
  EXPECT_TRUE(Has(out,
                  "group: Main Functions\ngroup: General Subject Areas\n"
                  "picture: FORM1_PICTURE2_BMP\npicture: FORM1_PICTURE14_BMP\n"
                  "picture: FORM1_PICTURE3_BMP\npicture: FORM1_PICTURE9_BMP\n"
                  "picture: FORM1_PICTURE4_BMP\npicture: FORM1_PICTURE10_BMP\n"
                  "picture: FORM1_PICTURE5_BMP\npicture: FORM1_PICTURE11_BMP\n"
                  "picture: FORM1_PICTURE6_BMP\npicture: FORM1_PICTURE12_BMP\n"
                  "picture: FORM1_PICTURE7A_BMP\npicture: FORM1_PICTURE13_BMP\n\n"
                  "== CLOSED MainWindow\n"));
  // Every row exactly as loaded.
  std::string rows;
  for (int i = 1; i <= h.t.app.nav.TopicCount; ++i)
    rows += "  " + std::to_string(i) + ": " + h.t.app.nav.TopicIndex[i] + "\n";
  EXPECT_TRUE(Has(out, "rows\n" + rows + "group: Main Functions")) << "the topic rows";
}

TEST(MainWindow, CaptionsFollowTheEditionTheWorkaroundAndTheBusiness) {
  Home h("close\n", "N");
  h.t.app.session.Generic = "Y";
  h.t.Put("TEMPHTML.HTM", "Dummy\r\n");
  const std::string out = h.Run();
  EXPECT_TRUE(Has(out, "menu 940: Make &Non-Generic Version\n"));
  EXPECT_TRUE(Has(out, "menu 958: &Fix IE-8 Browser Problem  -  Fixed\n"));
  EXPECT_TRUE(Has(out, "label: Company: (Generic Version)\n"));
  EXPECT_TRUE(Has(out, "picture: FORM1_PICTURE2_BMP\npicture: FORM1_PICTURE8_BMP\n"));
}

struct Step {
  std::string script;                 // the action and the answers it needs
  std::vector<std::string> expected;  // blocks that must follow, in order
};

TEST(MainWindow, EveryPictureAndMenuCommandDoesWhatItsRowSays) {
  const std::string dir = Home("").t.dir();  // only for the shape of the expectations
  const std::vector<Step> steps = {
      {"click FORM1_PICTURE2_BMP\nclose\n",
       {"== HIDE MainWindow", "== DIALOG SelectionDialog\ntitle: Select State",
        "== SHOW MainWindow"}},
      {"click FORM1_PICTURE3_BMP\ncancel\n",
       {"== HIDE MainWindow", "title: Name of Company", "== QUICK", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE4_BMP\n", {"appendA.htm#MYINFO\n"}},
      {"click FORM1_PICTURE5_BMP\n",
       {"== HIDE MainWindow", "selftest\nwait: yes", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE6_BMP\n", {"contents.htm\n"}},
      {"click FORM1_PICTURE7A_BMP\ncancel\n",
       {"== HIDE MainWindow", "title: Name of Business", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE14_BMP\n", {"appendA.htm\n"}},
      {"click FORM1_PICTURE9_BMP\nclose\n",
       {"== HIDE MainWindow", "== DIALOG FORM9", "== CLOSED FORM9", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE10_BMP\nclose\n", {"== DIALOG FORM10", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE11_BMP\nclose\n", {"== DIALOG FORM11", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE12_BMP\nclose\n", {"== DIALOG FORM12", "== SHOW MainWindow"}},
      {"click FORM1_PICTURE13_BMP\nclose\n", {"== DIALOG FORM13", "== SHOW MainWindow"}},
      {"menu 905\ncancel\n",
       {"== HIDE MainWindow", "title: Name of Company", "== QUICK", "== SHOW MainWindow"}},
      {"menu 910\nclose\n",
       {"== HIDE MainWindow", "== DIALOG DataSetDialog", "== SHOW MainWindow"}},
      {"menu 915\n", {"== QUICK\ntext: File saved as ACME.KVX"}},
      {"menu 920\ncancel\n", {"== INPUT"}},
      {"menu 944\nCancel\n", {"title: CREATE ONE LARGE BOOK FILE"}},
      {"menu 922\nNo\n", {"== HIDE MainWindow", "title: UNINSTALLER", "== SHOW MainWindow"}},
      {"menu 925\n", {}},
      {"menu 955\n", {"kvxhelp ", "wait: no"}},
      {"key F1\n", {"kvxhelp ", "wait: no"}},
      {"menu 957\n", {"...Accessing web site...", "address: http://www.corvanta.com/\n"}},
      {"menu 960\nOK\n",
       {"title: Corvanta\nicon: none", "            Release " + BuiltEdition().version}},
      {"double-click 3\n", {"address: "}},
  };
  for (const Step& step : steps) {
    Home h(step.script + "close\n");
    const std::string out = h.Run();
    EXPECT_EQ(h.status, 0) << step.script << out;
    std::size_t at = out.find("\n\n") + 2;  // after the first DIALOG block
    for (const std::string& part : step.expected) {
      const std::size_t found = out.find(part, at);
      EXPECT_NE(found, std::string::npos) << step.script << "expects " << part;
      if (found != std::string::npos) at = found + part.size();
    }
    EXPECT_TRUE(Has(out, "== CLOSED MainWindow\n")) << step.script;
  }
  (void)dir;
}

TEST(MainWindow, ExitAndTheEditionSwitchEndTheWindow) {
  Home exit("menu 930\n");
  exit.Run();
  EXPECT_EQ(exit.status, 0);
  EXPECT_EQ(exit.t.app.session.QuitFlag, 0) << "Exit ends the program";

  Home generic("menu 940\nYes\nOK\n");  // the made-up book lacks a page: one notice
  generic.Run();
  EXPECT_EQ(generic.status, 0) << generic.t.Output();
  EXPECT_EQ(generic.t.app.session.QuitFlag, 1) << "the window is built again";
  EXPECT_TRUE(generic.t.Has("GENERIC.TXT"));
}

TEST(MainWindow, EnterOpensTheSelectedTopic) {
  Home h("");
  MainWindow window(h.t.app);
  window.Key("Enter");  // nothing selected: nothing opens
  EXPECT_FALSE(Has(h.t.Output(), "== BROWSE"));
  window.Select(0, 2);
  window.Key("Enter");
  EXPECT_TRUE(Has(h.t.Output(), "== BROWSE"));
}

TEST(Uninstall, TheHighestCompletePairIsStartedAndLoneHalvesDeleted) {
  Home h("Yes\n");
  for (const std::string name :
       {"unins000", "unins000.dat", "unins001", "UNINS001.DAT", "unins002.dat", "unins004"})
    h.t.Put(name, "x");
  std::filesystem::create_directory(h.t.dir() + "unins003");  // a folder is no uninstaller
  h.t.Put("unins003.dat", "x");
  EXPECT_TRUE(Uninstall(h.t.app));
  const std::string out = h.t.Output();
  EXPECT_TRUE(Has(out,
                  "text:\n  This will remove Corvanta and 'Opusgrand in California' from "
                  "your computer,\n"));
  EXPECT_TRUE(Has(out, "  ALL OF ITS RELATED FILES NOW?\n"));
  EXPECT_TRUE(Has(out, "default: No\n"));
  EXPECT_TRUE(Has(out, "== QUICK\ntext: ... Gathering uninstall data...\n"));
  EXPECT_TRUE(Has(out, "command: " + h.t.dir() + "unins001 /SILENT\nwait: no\n"));
  EXPECT_TRUE(h.t.Has("unins000") && h.t.Has("unins000.dat") && h.t.Has("unins001"));
  EXPECT_FALSE(h.t.Has("unins002.dat"));
  EXPECT_FALSE(h.t.Has("unins004"));
  EXPECT_FALSE(h.t.Has("unins003.dat"));
  EXPECT_TRUE(std::filesystem::is_directory(h.t.dir() + "unins003"));
}

TEST(Uninstall, NoAnswerOrNoUninstallerKeepsEverythingAndTheProgramRunning) {
  Home no("menu 922\nCancel\nclose\n");
  no.t.Put("unins000.dat", "x");
  no.Run();
  EXPECT_TRUE(no.t.Has("unins000.dat")) << "nothing is touched before Yes";
  EXPECT_EQ(Count(no.t.Output(), "== SHOW MainWindow"), 1);

  Home none("menu 922\nYes\nOK\nclose\n");
  none.Run();
  const std::string out = none.t.Output();
  EXPECT_TRUE(Has(out, "text: The uninstaller was not found in " + none.t.dir() + ".\n"));
  EXPECT_FALSE(Has(out, "/SILENT"));
  EXPECT_TRUE(Has(out, "== SHOW MainWindow\n"));
  EXPECT_EQ(none.status, 0);
}

TEST(BrowserWorkaround, TogglingTwiceReturnsToTheStart) {
  Home h("menu 958\nYes\nmenu 958\nclose\n");
  h.t.app.nav.BrowserNoticeCount = 5;
  const std::string out = h.Run();
  EXPECT_TRUE(Has(out,
                  "title: Fix Browser Problem?\nicon: question\nbuttons: Yes No Cancel\n"
                  "default: Yes\n"));
  EXPECT_TRUE(Has(out, "== QUICK\ntext: ...Done...\n"));
  EXPECT_TRUE(Has(out, "menu 958: &Fix IE-8 Browser Problem? - Fixed\n"));
  EXPECT_TRUE(Has(out, "feature is now disabled."));
  EXPECT_EQ(Count(out, "menu 958: &Fix IE-8 Browser Problem  -  Off\n"), 2);
  EXPECT_FALSE(h.t.Has("TEMPHTML.HTM"));
  EXPECT_EQ(h.t.app.nav.BrowserNoticeCount, 1);
}

TEST(BrowserWorkaround, SwitchedOnItReadsFixedWhenTheWindowIsBuiltAgain) {
  Home on("menu 958\nYes\nclose\n");
  on.Run();
  EXPECT_EQ(on.t.Get("TEMPHTML.HTM"), "Dummy\r\n");
  Home again("close\n");
  again.t.Put("TEMPHTML.HTM", "Dummy\r\n");
  EXPECT_TRUE(Has(again.Run(), "menu 958: &Fix IE-8 Browser Problem  -  Fixed\n"));
  Home declined("menu 958\nNo\nclose\n");
  declined.Run();
  EXPECT_FALSE(declined.t.Has("TEMPHTML.HTM"));
}

}  // namespace
}  // namespace kvx
