#include <gtest/gtest.h>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "profile/DataSets.h"
#include "profile/FileCommands.h"
#include "profile/Interview.h"
#include "profile/ProfileCommands.h"
#include "shell/Startup.h"
#include "tests/profile/InterviewFixture.h"

namespace kvx {
namespace {

using test::Count;
using test::CurrentAcme;
using test::NewCompanyScript;
using test::TestApp;

constexpr const char* kFirstRun =
    "select California CA\nclick OK\nYes\n"
    "=Harbor Light Bakery\n=HARBOR\n"
    "click S Corporation\nclick OK\n"
    "No\nYes\n=1,400\nYes\nNo\nYes\nYes\nNo\nNo\n"
    "select Retail Merchandising\nclick OK\ndefault\n";

TEST(Interview, AFirstRunChoosesAStateInterviewsAndBuildsTheBook) {
  TestApp t(kFirstRun);
  t.PutBookFiles("CA");
  int windows = 0;
  t.app.hooks.runMainWindow = [&](App&) { ++windows; };
  EXPECT_EQ(t.Run([](App& app) { ProgramEntry(app, ""); }), 0);
  EXPECT_EQ(t.Get("HARBOR.KVX"),
            JoinLines({"California", "CA", "Harbor Light Bakery", "S corporation", "Y", "1400",
                       "1400", "N", "N", "Over $1 million", "N", "Y", "Y", "Y", "N",
                       "Retail Merchandising", "1", "Y"}));
  EXPECT_EQ(t.Get("LASTDATA.TXT"), "HARBOR.KVX\r\n");
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "HARBOR.KVX\r\n");
  EXPECT_TRUE(t.Has("statchap.htm"));
  EXPECT_TRUE(t.Has("chap17.htm"));
  EXPECT_EQ(windows, 1);
  const std::string out = t.Output();
  // No main window exists yet, so none is hidden or shown; mode 1 has no Cancel.
  EXPECT_EQ(out.find("== HIDE"), std::string::npos);
  EXPECT_EQ(out.find("== SHOW"), std::string::npos);
  EXPECT_EQ(out.find("button: &Cancel"), std::string::npos);
  EXPECT_EQ(out.find("Create \"Opusgrand"), std::string::npos);  // built without asking
  EXPECT_NE(out.find("text: Creating book (Opusgrand in California) now. (For Harbor Light "
                     "Bakery)\n"),
            std::string::npos);
  EXPECT_NE(out.find("  California edition of book created successfully, in HTML\n"
                     "  file format, for Harbor Light Bakery.\n"),
            std::string::npos);
  EXPECT_EQ(t.app.session.Generic, "N");
}

// Stands in for the main window: takes its Exit command and nothing else.
class ExitOnly : public Dialog {
 public:
  DialogView Describe() const override {
    Control exit;
    exit.kind = Control::Kind::Menu;
    exit.menuId = 930;
    exit.text = "E&xit  -  Alt + F4";
    return DialogView{"MainWindow", "Opusgrand", 501, 314, 0xF0F0F0, "PROGRAM", true, {exit}};
  }
  void Menu(int id) override { done_ = id == 930; }
  void Close() override { done_ = true; }
  bool Finished() const override { return done_; }

 private:
  bool done_ = false;
};

TEST(Interview, TheSampleFirstRunScriptBuildsABookAndLeaves) {
  TestApp t(ReadFileBytes(FolderOf(__FILE__) + "../../demo/first-run.txt"));
  t.PutBookFiles("OR");
  t.app.hooks.runMainWindow = [](App& app) {
    ExitOnly window;
    app.ui.RunDialog(window);
  };
  EXPECT_EQ(t.Run([](App& app) { ProgramEntry(app, ""); }), 0);
  EXPECT_EQ(t.Output().find("== BAD"), std::string::npos);
  EXPECT_NE(t.Output().find("== CLOSED MainWindow\n"), std::string::npos);
  EXPECT_EQ(t.Get("LASTDATA.TXT"), "HARBOR.KVX\r\n");
  EXPECT_EQ(SplitLines(t.Get("HARBOR.KVX")).size(), 18u);
  EXPECT_TRUE(t.Has("contents.htm"));
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

using test::Count;
using test::CurrentAcme;
using test::NewCompanyScript;
using test::TestApp;

// n of a name FILEn.KVX with n of one to three digits; 0 for any other name.
int NumberOf(const std::string& name) {
  if (name.size() < 9 || name.size() > 11 || name.rfind("FILE", 0) != 0 || !name.ends_with(".KVX"))
    return 0;
  const std::string digits = name.substr(4, name.size() - 8);
  for (char c : digits)
    if (c < '0' || c > '9') return 0;
  return std::stoi(digits);
}

// Every answer the opposite of the sample's, so that each default shows it was read.
std::vector<std::string> FlippedAcme() {
  return {"California",
          "CA",
          "Acme Pizza Parlor",
          "corporation",
          "N",
          "12",
          "12",
          "N",
          "N",
          "Over $10 million",
          "Y",
          "N",
          "Y",
          "N",
          "Y",
          "Retail Merchandising",
          "1",
          "Y"};
}

TEST(Interview, ReinterviewingTheSameCompanyPreselectsEveryAnswer) {
  for (const std::vector<std::string>& stored : {test::SampleDataSet(), FlippedAcme()}) {
    // The name, the employees and the dialogs' OK; every box at its default button.
    std::string script = "=Acme Pizza Parlor\nclick OK\n";
    const bool closelyHeldAsked = stored[8] == "N" || stored[7] == "N";
    script += closelyHeldAsked ? "default\ndefault\ndefault\n" : "default\ndefault\n";
    script += "=12\n";
    const int revenueBoxes = stored[9] == "Over $10 million" ? 3 : 1;
    for (int i = 0; i < revenueBoxes; ++i) script += "default\n";
    script += "default\ndefault\ndefault\ndefault\nclick OK\ndefault\ndefault\n";
    TestApp t(script);
    CurrentAcme(t);
    t.PutLines("ACME.KVX", stored);
    ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
    int books = 0;
    t.app.hooks.createBook = [&](App&) { ++books; };
    EXPECT_EQ(t.Run(ChangeInterviewCommand), 0) << t.Output();
    EXPECT_EQ(t.Get("ACME.KVX"), JoinLines(stored));
    const std::string out = t.Output();
    EXPECT_EQ(out.find("Create New File"), std::string::npos);
    EXPECT_NE(out.find("option: Corporation (regular) [checked]\n"), std::string::npos);
    EXPECT_NE(out.find("  2*: Retail Merchandising"), std::string::npos);
    EXPECT_NE(out.find("(Your previous answer to this question for Acme Pizza Parlor was \"" +
                       std::string(stored[11] == "Y" ? "YES." : "NO.") + "\")"),
              std::string::npos);
    EXPECT_EQ(books, 1);
    EXPECT_EQ(t.app.session.QuitFlag, 1);
    EXPECT_TRUE(out.rfind("== HIDE MainWindow\n\n", 0) == 0);
    EXPECT_EQ(Count(out, "== SHOW MainWindow"), 1);
  }
}

TEST(Interview, ANewCompanyGetsItsOwnDataSetAndNoPreselection) {
  // Only the letter case differs from the current company: that is a new company too.
  TestApp t(NewCompanyScript("acme pizza parlor", "LOWER"));
  CurrentAcme(t);
  const std::string acme = t.Get("ACME.KVX");
  EXPECT_EQ(t.Run(NewDataFile), 0) << t.Output();
  const std::string out = t.Output();
  EXPECT_NE(out.find("== INPUT\ntitle: Create New File for acme pizza parlor\n"),
            std::string::npos);
  const std::size_t entity = out.find("== DIALOG LegalEntityDialog");
  EXPECT_EQ(out.substr(entity, out.find("\n\n", entity) - entity).find("[checked]"),
            std::string::npos);
  EXPECT_NE(out.find("== INPUT\ntitle: Question: Number of Employees\ndefault: \n"),
            std::string::npos);
  EXPECT_NE(out.find("  1*: ...Select Type of Business...\n"), std::string::npos);
  EXPECT_NE(out.find("(Probable correct answer to this question for acme pizza parlor is "
                     "\"YES.\")"),
            std::string::npos);
  EXPECT_NE(out.find("title: Create \"Opusgrand in California\" now?\nicon: question\n"
                     "buttons: Yes No\ndefault: Yes\n"),
            std::string::npos);
  EXPECT_EQ(t.Get("ACME.KVX"), acme);
  EXPECT_EQ(SplitLines(t.Get("LOWER.KVX"))[2], "acme pizza parlor");
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nLOWER.KVX\r\n");
  EXPECT_EQ(t.app.session.DataFile, "LOWER.KVX");
  EXPECT_EQ(t.app.session.NewFileName, "");
  EXPECT_TRUE(t.Has("chap01.htm"));
}

TEST(Interview, ReplacingAnotherCompanysDataSetIsSaidAtCompletion) {
  TestApp t(NewCompanyScript("Bravo Cafe", "OTHER"));
  CurrentAcme(t);
  std::vector<std::string> other = test::SampleDataSet();
  other[2] = "Other Co";
  t.PutLines("OTHER.KVX", other);
  t.app.hooks.createBook = [](App&) {};
  t.Run(NewDataFile);
  EXPECT_NE(t.Output().find("text:\n  Creating book (Opusgrand in California) now. (For Bravo "
                            "Cafe)\n  \n  The data set (file) named OTHER.KVX already existed "
                            "and has been replaced with the data for Bravo Cafe.\n"),
            std::string::npos)
      << t.Output();
  EXPECT_EQ(SplitLines(t.Get("OTHER.KVX"))[2], "Bravo Cafe");
}

TEST(Interview, FirstRunWithoutAFileNameEndsInANumberFileName) {
  const std::string start = "select California CA\nclick OK\nYes\n=Zed Co\ncancel\nOK\n=.kvx\n";
  {
    TestApp t(start + "No\n" +
              NewCompanyScript("", "").substr(2));  // the rest of the interview, no name
    t.PutBookFiles("CA");
    t.app.hooks.createBook = [](App&) {};
    t.Run([](App& app) { ProgramEntry(app, ""); });
    const std::string out = t.Output();
    EXPECT_NE(out.find("title: Error -- No file name entered\nicon: stop\nbuttons: OK\n"
                       "default: OK\ntext:\n  Let's try that again... You need to enter a file "
                       "name to save the\n  company data for Zed Co under, in order to continue "
                       "the interview.\n"),
              std::string::npos);
    EXPECT_NE(out.find("title: Cancel interview?\nicon: question\nbuttons: Yes No\ndefault: No\n"),
              std::string::npos);
    EXPECT_NE(out.find("text: Assigning a number file name, since you did not enter a file "
                       "name.\n"),
              std::string::npos);
    const std::string file = t.app.session.DataFile;
    EXPECT_GE(NumberOf(file), 1) << file;
    EXPECT_LE(NumberOf(file), 999);
    EXPECT_TRUE(t.Has(file));
    EXPECT_EQ(t.Get("LASTDATA.TXT"), file + "\r\n");
  }
  {
    TestApp t(start + "Yes\n");
    t.PutBookFiles("CA");
    int windows = 0;
    t.app.hooks.runMainWindow = [&](App&) { ++windows; };
    EXPECT_EQ(t.Run([](App& app) { ProgramEntry(app, ""); }), 0);
    EXPECT_NE(t.Output().find("text: Canceling interview, exiting program kvx\n"),
              std::string::npos);
    EXPECT_EQ(t.app.session.QuitFlag, -1);
    EXPECT_EQ(windows, 0);
    EXPECT_FALSE(t.Has("LASTDATA.TXT"));
  }
}

TEST(Interview, ANumberFileNameThatExistsIsDrawnOnceMore) {
  TestApp t;
  t.SetProgramFolder();
  const std::string first = NumberFileName(t.app);
  t.Put(first, "taken");
  const std::string second = NumberFileName(t.app);
  EXPECT_GE(NumberOf(first), 1);
  EXPECT_GE(NumberOf(second), 1);
  EXPECT_NE(second, first);  // the clock seed of the test draws two different numbers
}

TEST(Interview, CategoriesOfTheirOwnAskForADescription) {
  {
    TestApp t(NewCompanyScript("Vito Loans", "VITO", "select Other Services\n=LOAN SHARK\n",
                               "default\n"));
    CurrentAcme(t);
    t.app.hooks.createBook = [](App&) {};
    t.Run(NewDataFile);
    const std::string out = t.Output();
    // A description closes the dialog at once.
    EXPECT_NE(out.find("== INPUT\ntitle: Describe Type of Business\ndefault: Other Services\n"
                       "prompt: Enter a short description of the type of service your company "
                       "provides, such as 'Loan Shark':\n\n== CLOSED SelectionDialog\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("title: Inventories Question -- Business is: Loan Shark\nicon: question\n"
                       "buttons: Yes No\ndefault: No\n"),
              std::string::npos);
    EXPECT_NE(out.find("  (NOTE: As a service business, it is VERY unlikely that\n  Vito Loans "
                       "would derive"),
              std::string::npos);
    EXPECT_EQ(t.app.profile.BizDescription, "Loan Shark");
    EXPECT_EQ(t.app.profile.BizCategory, 23);
    EXPECT_EQ(t.app.profile.BizDesc[23], "Loan Shark");
    EXPECT_EQ(t.app.profile.BizDesc[24], "Other Business");
  }
  {
    // An empty description leaves nothing chosen and the dialog open; a long one is cut.
    TestApp t(NewCompanyScript("Bowl Co", "BOWL",
                               "select Other Business\n=\nselect Other Business\n"
                               "=the PRO lawn bowling team of the north east\n",
                               "default\n"));
    CurrentAcme(t);
    t.app.hooks.createBook = [](App&) {};
    t.Run(NewDataFile);
    const std::string out = t.Output();
    EXPECT_NE(out.find("prompt: Enter a short description of the type of business your "
                       "company is in, such as 'Pro Lawn Bowling Team':\n\n"
                       "== DIALOG SelectionDialog\n"),
              std::string::npos);
    EXPECT_EQ(t.app.profile.BizDescription, "The Pro Lawn Bowling Team Of The");
    EXPECT_EQ(t.app.profile.BizDescription.size(), 32u);
    EXPECT_NE(out.find("text:\n  DOES BOWL CO HAVE INVENTORIES?  That is, does it\n"
                       "  derive a significant part of its gross income from the sale of goods\n"
                       "  that are held in inventory, or does it maintain a significant\n"
                       "  inventory of supplies that are inventoried?\n\n"),
              std::string::npos);
  }
}

TEST(Interview, AnIncompleteProfileBuildsNothingAndStartsTheInterview) {
  TestApp t("OK\n");
  CurrentAcme(t);
  t.app.profile.DataComplete = "N";
  EXPECT_EQ(t.Run([](App& app) { CreateBook(app); }), 3);
  EXPECT_NE(t.Output().find("text: Company data is incomplete: Click on 'OK' to begin "
                            "interview.\n\n== INPUT\ntitle: Name of Company\n"
                            "default: Acme Pizza Parlor\n"),
            std::string::npos);
  EXPECT_FALSE(t.Has("contents.htm"));
}

}  // namespace
}  // namespace kvx
