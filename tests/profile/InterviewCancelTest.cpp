#include <gtest/gtest.h>

#include "profile/CompanyProfile.h"
#include "profile/FileCommands.h"
#include "tests/profile/InterviewFixture.h"

namespace kvx {
namespace {

using test::Count;
using test::CurrentAcme;
using test::TestApp;

struct CancelCase {
  const char* what;
  std::string script;
  std::string notice;  // the QUICK block's text lines as written
};

const std::string kUnchanged = "  \n  Data set for Acme Pizza Parlor remains unchanged.\n";
// Up to the business type: a sole proprietorship with no employees asks the fewest.
const std::string kToBusiness =
    "=Bravo\n=BRAVO\nclick Sole Proprietorship\nclick OK\nYes\n=0\nNo\nNo\nNo\n";

TEST(InterviewCancel, EveryCancelInMode2GivesOneNoticeAndChangesNothing) {
  const std::vector<CancelCase> cases = {
      {"company name", "cancel\n", "text:\n  Canceling interview routine.... \n" + kUnchanged},
      {"blank company name", "=   \n", "text:\n  Canceling interview routine.... \n" + kUnchanged},
      {"file name", "=Bravo\ncancel\n", "text: Canceling interview routine....\n"},
      {"entity", "=Bravo\n=BRAVO\nclick Cancel\n",
       "text:\n  No entity selected -- canceling interview routine.... \n" + kUnchanged},
      {"entity closed", "=Acme Pizza Parlor\nclose\n",
       "text:\n  No entity selected -- canceling interview routine.... \n" + kUnchanged},
      {"employees", "=Bravo\n=BRAVO\nclick Sole Proprietorship\nclick OK\nYes\ncancel\n",
       "text:\n  Canceling interview routine.... \n" + kUnchanged},
      {"business type", kToBusiness + "click Cancel\n",
       "text:\n  No business type selected -- canceling interview routine.... \n" + kUnchanged},
      {"no business type chosen", kToBusiness + "click OK\nRetry\nclick OK\nCancel\n",
       "text:\n  No business type selected -- canceling interview routine.... \n" + kUnchanged},
      {"business type closed", kToBusiness + "close\n",
       "text:\n  No business type selected -- canceling interview routine.... \n" + kUnchanged},
      {"confirmation", kToBusiness + "select Retail Merchandising\nclick OK\nYes\nNo\n",
       "text:\n  Data from Interview has been erased from memory.\n" + kUnchanged},
  };
  for (const CancelCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestApp t(c.script);
    CurrentAcme(t);
    int books = 0;
    t.app.hooks.createBook = [&](App&) { ++books; };
    const auto before = test::Snapshot(t);
    const std::vector<std::string> profile = ProfileLines(t.app.profile);
    const CategoryNames names = t.app.profile.BizDesc;
    EXPECT_EQ(t.Run(NewDataFile), 0);
    const std::string out = t.Output();
    EXPECT_EQ(out.find("== END"), std::string::npos) << out;
    EXPECT_EQ(Count(out, "== QUICK\n"), 1) << out;
    EXPECT_NE(out.find("== QUICK\n" + c.notice + "\n"), std::string::npos) << out;
    EXPECT_EQ(test::Snapshot(t), before);
    EXPECT_EQ(ProfileLines(t.app.profile), profile);
    EXPECT_EQ(t.app.profile.BizDesc, names);
    EXPECT_EQ(t.app.session.DataFile, "ACME.KVX");
    EXPECT_EQ(t.app.session.NewFileName, "");
    EXPECT_EQ(t.app.session.QuitFlag, 0);
    EXPECT_EQ(books, 0);
  }
}

TEST(InterviewCancel, WithoutACurrentCompanyTheNoticeSaysNoMore) {
  TestApp t("cancel\n");
  t.SetProgramFolder();
  t.app.hooks.interview(t.app, 2);
  EXPECT_EQ(t.Output(),
            "== INPUT\ntitle: Name of Company\ndefault: Acme Pizza Parlor\nprompt: "
            "Enter the name of your company, as you wish it to appear in the book "
            "(30 characters or less):\n\n== QUICK\ntext:\n  Canceling interview "
            "routine.... \n  \n  \n\n");
}

TEST(InterviewCancel, LeavingAfterAPickPutsTheCompanysOwnDescriptionBack) {
  const std::string toBusiness =
      "=Acme Pizza Parlor\nclick OK\ndefault\ndefault\ndefault\n=12\n"
      "default\ndefault\ndefault\ndefault\ndefault\n";
  // Declining the book, and cancelling the business type after a pick.
  for (const std::string end : {"select Loan Shark\n=Pizza Delivery\ndefault\nNo\n",
                                "select Retail Merchandising\nclick Cancel\n"}) {
    TestApp t(toBusiness + end);
    CurrentAcme(t);
    t.app.profile.BizCategory = 23;
    t.app.profile.BizDescription = "Loan Shark";
    t.app.profile.BizDesc[23] = "Loan Shark";
    EXPECT_EQ(t.Run(NewDataFile), 0);
    EXPECT_EQ(Count(t.Output(), "== QUICK"), 1) << t.Output();
    EXPECT_EQ(t.app.profile.BizDesc[23], "Loan Shark");
    EXPECT_EQ(t.app.profile.BizDescription, "Loan Shark");
  }
}

TEST(InterviewCancel, InTheFirstRunEmptyAnswersAreAskedAgain) {
  TestApp t(
      "select California CA\nclick OK\nYes\n=\ncancel\n=Zed Co\n=ZED\n"
      "click OK\nOK\nclose\nOK\nclick Limited Liability Company (LLC)\nclick OK\nYes\nYes\n"
      "cancel\n=   \n=-3\n=2\n");
  t.SetProgramFolder();
  t.PutBookFiles("CA");
  EXPECT_EQ(t.Run([](App& app) { app.hooks.selectState(app, 1), app.hooks.interview(app, 1); }), 3);
  const std::string out = t.Output();
  EXPECT_EQ(Count(out,
                  "text: Please enter a name for your business, even if you are still "
                  "in the planning stage, and have not yet decided upon a business name.\n"),
            2);
  EXPECT_EQ(Count(out,
                  "title: Error -- You must make a selection\nicon: stop\nbuttons: OK\n"
                  "default: OK\ntext:\n  Please select the type of legal form (legal "
                  "entity) in which \n  Zed Co does (or will do) business.\n"),
            2);
  EXPECT_NE(out.find("\n  NOTE:  You can answer this as 'YES' if owned by one person and\n"),
            std::string::npos);
  EXPECT_EQ(Count(out,
                  "text: Please enter the number of employees the business has, or will "
                  "have, from 0 to 1,000,000.\n"),
            2);
  // The negative count is asked again without a notice.
  EXPECT_EQ(Count(out, "== INPUT\ntitle: Question: Number of Employees\n"), 4);
}

}  // namespace
}  // namespace kvx
