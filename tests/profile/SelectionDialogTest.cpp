#include <gtest/gtest.h>

#include "base/Files.h"
#include "profile/Interview.h"
#include "profile/LegalEntityDialog.h"
#include "profile/ProfileCommands.h"
#include "profile/SelectionDialog.h"
#include "tests/profile/InterviewFixture.h"

namespace kvx {
namespace {

using test::CurrentAcme;
using test::TestApp;

TEST(SelectionDialog, ListsOnlyStatesWithAChapterAndSelectsTheCurrentOne) {
  TestApp t;
  CurrentAcme(t);
  t.Put("ny.DAT", "<HTML>\r\n");
  SelectionDialog dialog(t.app, 2);
  const DialogView view = dialog.Describe();
  EXPECT_EQ(view.title, "Select State");
  EXPECT_EQ(view.width, 203);
  EXPECT_EQ(view.height, 207);
  const Control& list = view.controls[SelectionDialog::kListIndex];
  EXPECT_EQ(list.kind, Control::Kind::DropDown);
  EXPECT_EQ(list.rows, (std::vector<std::string>{"...Select State from List...", "California CA",
                                                 "New York NY", "Texas TX"}));
  EXPECT_EQ(list.selected, 1);
  EXPECT_TRUE(view.controls[SelectionDialog::kCancelIndex].visible);
  // The first run offers no way out but OK, centred.
  SelectionDialog first(t.app, 1);
  const DialogView firstView = first.Describe();
  EXPECT_FALSE(firstView.controls[SelectionDialog::kCancelIndex].visible);
  const Rect ok = firstView.controls[SelectionDialog::kOkIndex].rect;
  EXPECT_EQ(ok.x * 2 + ok.width, 203);
}

TEST(SelectionDialog, WithoutAnyStateChapterTheProgramEnds) {
  TestApp t("OK\n");
  t.SetProgramFolder();
  SelectStateEdition(t.app, 1);
  EXPECT_EQ(t.app.session.QuitFlag, -1);
  EXPECT_EQ(t.Output(),
            "== MESSAGE\ntitle: Corvanta\nicon: stop\nbuttons: OK\ndefault: OK\n"
            "text:\n  Fatal Error: Unable to find any state chapters (__.DAT "
            "files)! \n  \n  Files (e.g., CA.DAT, NY.DAT, etc.) should be in "
            "directory " +
                t.dir() + "\n  \n  Click 'OK' to exit program now\n\n");
}

TEST(SelectionDialog, AStateIsTakenOnlyWhenConfirmedAndStillThere) {
  struct Case {
    std::string script, code;
    int quit;
  };
  for (const Case& c : std::vector<Case>{{"select Texas TX\nclick OK\nYes\n", "TX", 1},
                                         {"select Texas TX\nclick OK\nNo\n", "CA", 0},
                                         {"select Texas TX\nclick OK\nCancel\n", "CA", 0},
                                         {"select California CA\nclick OK\n", "CA", 0},
                                         {"select 1\nclick OK\n", "CA", 0},
                                         {"select Texas TX\nclick Cancel\n", "CA", 0}}) {
    TestApp t(c.script);
    CurrentAcme(t);
    SelectStateEdition(t.app, 2);
    EXPECT_EQ(t.app.profile.StateCode, c.code) << c.script;
    EXPECT_EQ(t.app.session.QuitFlag, c.quit) << c.script;
  }
  TestApp t("select Texas TX\nclick OK\nYes\n");
  CurrentAcme(t);
  SelectionDialog dialog(t.app, 2);
  DeleteIfExists(t.dir() + "TX.dat");  // gone between listing and confirming
  t.app.ui.RunDialog(dialog);
  EXPECT_EQ(t.app.profile.StateCode, "CA");
  EXPECT_NE(t.Output().find("title: Select \"Opusgrand in Texas\"?\nicon: question\n"
                            "buttons: Yes No Cancel\ndefault: No\ntext:\n  You have selected "
                            "Texas as the state edition you wish to install.\n  \n  Are you sure "
                            "TEXAS is the state you wish to select?\n"),
            std::string::npos);
}

TEST(SelectionDialog, BusinessRowsCarryTheirNumberOutOfSight) {
  TestApp t;
  CurrentAcme(t);
  InterviewAnswers w;
  w.Company = "Acme Pizza Parlor";
  SelectionDialog dialog(t.app, w, 2);
  const Control list = dialog.Describe().controls[SelectionDialog::kListIndex];
  ASSERT_EQ(list.rows.size(), 26u);
  EXPECT_EQ(list.rows[7], "Computer Software" + std::string(60, ' ') + "|07");
  EXPECT_EQ(list.shownRows[7], "Computer Software");
  EXPECT_EQ(list.shownRows[0], "...Select Type of Business...");
  EXPECT_EQ(list.selected, 1);  // the stored category of the same company
  EXPECT_EQ(w.BizCategory, 1);
  // OK alone keeps it.
  dialog.Click(SelectionDialog::kOkIndex);
  EXPECT_EQ(dialog.NoSelection(), "N");
  // Picking the prompt row after a category keeps the category.
  InterviewAnswers n;
  n.Company = "New Co";
  SelectionDialog fresh(t.app, n, 2);
  EXPECT_EQ(fresh.Describe().controls[SelectionDialog::kListIndex].selected, 0);
  fresh.Select(SelectionDialog::kListIndex, 12);
  fresh.Select(SelectionDialog::kListIndex, 0);
  EXPECT_EQ(n.BizCategory, 12);
  EXPECT_EQ(n.BizDescription, "Real Estate Broker / Agent");
  fresh.Close();
  EXPECT_EQ(fresh.NoSelection(), "Y");
}

TEST(LegalEntityDialog, PreselectsTheSameCompanysEntityOnly) {
  TestApp t;
  CurrentAcme(t);
  t.app.profile.Entity = "sole proprietorship";
  InterviewAnswers w;
  w.Company = "Acme Pizza Parlor";
  LegalEntityDialog same(w, t.app.profile.Entity, true, 2);
  const DialogView view = same.Describe();
  EXPECT_EQ(view.title, "Legal Entity -- Select for Acme Pizza Parlor");
  EXPECT_EQ(view.width, 219);
  EXPECT_EQ(view.height, 177);
  EXPECT_EQ(view.controls[0].kind, Control::Kind::Group);
  EXPECT_EQ(view.controls[0].text, "My business is a:");
  EXPECT_TRUE(view.controls[LegalEntityDialog::kFirstOptionIndex].checked);
  same.Click(LegalEntityDialog::kOkIndex);
  EXPECT_EQ(w.Entity, "sole proprietorship");

  InterviewAnswers n;
  LegalEntityDialog other(n, "corporation", false, 1);
  const DialogView otherView = other.Describe();
  EXPECT_EQ(otherView.title, "Legal Entity -- Select for your business");
  for (const Control& c : otherView.controls) EXPECT_FALSE(c.checked);
  EXPECT_FALSE(otherView.controls[LegalEntityDialog::kCancelIndex].visible);
  other.Click(LegalEntityDialog::kFirstOptionIndex + 4);
  EXPECT_EQ(n.Entity, "LLC");
  other.Click(LegalEntityDialog::kCancelIndex);  // hidden in mode 1: does nothing
  EXPECT_FALSE(other.Finished());
  other.Close();
  EXPECT_EQ(n.Entity, "");
}

TEST(ChangeOfState, SavesTheCompanyUnderTheNewStateAndBuildsItsBook) {
  TestApp t("select Texas TX\nclick OK\nYes\n");
  CurrentAcme(t);
  int books = 0;
  t.app.hooks.createBook = [&](App&) { ++books; };
  ChangeOfState(t.app);
  EXPECT_EQ(SplitLines(t.Get("ACME.KVX"))[0], "Texas");
  EXPECT_EQ(SplitLines(t.Get("ACME.KVX"))[1], "TX");
  EXPECT_EQ(books, 1);
  EXPECT_EQ(t.app.session.QuitFlag, 1);
  EXPECT_TRUE(t.Output().rfind("== HIDE MainWindow\n\n== DIALOG SelectionDialog\n", 0) == 0);
  EXPECT_TRUE(t.Output().ends_with("== SHOW MainWindow\n\n"));
}

TEST(ChangeOfState, NothingHappensWhenTheStateStaysOrTheCompanyIsIncomplete) {
  for (const std::string complete : {"Y", "N"}) {
    TestApp t(complete == "Y" ? "select Texas TX\nclick OK\nNo\n"
                              : "select Texas TX\nclick OK\nYes\n");
    CurrentAcme(t);
    t.app.profile.DataComplete = complete;
    const auto before = test::Snapshot(t);
    int books = 0;
    t.app.hooks.createBook = [&](App&) { ++books; };
    ChangeOfState(t.app);
    EXPECT_EQ(test::Snapshot(t), before);
    EXPECT_EQ(books, 0);
    EXPECT_TRUE(t.Output().ends_with("== CLOSED SelectionDialog\n\n== SHOW MainWindow\n\n"));
  }
}

TEST(ChangeOfState, TheGenericEditionIsBuiltAgainForTheNewState) {
  TestApp t("select Texas TX\nclick OK\nYes\n");
  CurrentAcme(t);
  t.Put("GENERIC.TXT", "California\r\n");
  t.Put("NoStart.htm", "<HTML>\r\n");
  t.app.session.Generic = "Y";
  const std::string acme = t.Get("ACME.KVX");
  EXPECT_EQ(t.Run(ChangeOfState), 0) << t.Output();
  EXPECT_EQ(t.Get("GENERIC.TXT"), "Texas\r\n");
  EXPECT_EQ(t.Get("ACME.KVX"), acme);  // the company's data set is not touched
  EXPECT_EQ(t.app.profile.Company, "Acme Pizza Parlor");
  EXPECT_EQ(t.app.session.Generic, "Y");
  EXPECT_EQ(t.app.session.QuitFlag, 1);
  EXPECT_NE(t.Output().find("text: ...Creating 'generic' version of Texas edition....\n"),
            std::string::npos);
  EXPECT_EQ(t.Output().find("== SHOW"), std::string::npos);  // the window is rebuilt instead
}

}  // namespace
}  // namespace kvx
