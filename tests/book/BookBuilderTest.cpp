// The book driver: what a build makes and shows, and the switch between the customised
// and the generic edition.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "profile/CompanyProfile.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

// A book whose every template names its own page, so each page shows it was built.
void PutNamedBook(TestApp& t) {
  PutEmptyBook(t);
  for (const std::string& page : TemplatePageNames()) t.Put(page + ".dat", Encoded({page}));
  t.Put("NoStart.htm", "no start\r\n");
  LoadCompany(t.app, SampleDataSet());
}

TEST(CreateBook, BuildsTwentyTwoPagesInOrderWithOneProgressNotice) {
  TestApp t;
  PutNamedBook(t);
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  EXPECT_TRUE(t.Has("statchap.htm"));
  for (const std::string& page : TemplatePageNames())
    EXPECT_EQ(page + "\r\n", t.Get(page + ".htm")) << page;
  EXPECT_EQ("chap17\r\n", t.Get("OUTPUT.HTM"));  // left holding the last chapter
  const std::string shown = t.Output();
  EXPECT_EQ(1, Count(shown, "...One moment, please..."));
  EXPECT_EQ(
      "== QUICK\ntext: ...One moment, please...\n\n"
      "== QUICK\ntext:\n  California edition of book created successfully, in HTML\n"
      "  file format, for Acme Pizza Parlor.\n\n",
      shown);
}

TEST(CreateBook, IncompleteCompanyStartsTheInterviewAndBuildsNothing) {
  TestApp t("OK\n");
  PutNamedBook(t);
  t.app.profile.DataComplete = "N";
  int interviewMode = 0;
  t.app.hooks.interview = [&](App&, int mode) { interviewMode = mode; };
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  EXPECT_EQ(2, interviewMode);
  EXPECT_FALSE(t.Has("statchap.htm"));
  EXPECT_FALSE(t.Has("chap01.htm"));
  EXPECT_NE(std::string::npos,
            t.Output().find("icon: stop\nbuttons: OK\ndefault: OK\n"
                            "text: Company data is incomplete: Click on 'OK' to begin interview."));
}

TEST(CreateBook, MissingStateFileCancelsAndKeepsEarlierPages) {
  TestApp t;
  PutNamedBook(t);
  t.Put("statchap.htm", "earlier chapter\r\n");
  t.Put("chap01.htm", "earlier page\r\n");
  t.app.profile.StateCode = "NV";
  t.app.profile.StateName = "Nevada";
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  EXPECT_EQ("earlier chapter\r\n", t.Get("statchap.htm"));
  EXPECT_EQ("earlier page\r\n", t.Get("chap01.htm"));
  EXPECT_EQ("== QUICK\ntext: Unable to create state (Nevada) chapter.... canceling operation.\n\n",
            t.Output());
}

TEST(CreateBook, UnreadableTemplateGivesAnEmptyPageAndTheBuildGoesOn) {
  TestApp t("OK\n");
  PutNamedBook(t);
  std::filesystem::remove(t.dir() + "chap03.dat");
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  EXPECT_EQ("", t.Get("chap03.htm"));
  EXPECT_EQ("chap04\r\n", t.Get("chap04.htm"));
  EXPECT_NE(
      std::string::npos,
      t.Output().find("text: Error #  53 in MakeFiles SUB, FLNAM$= " + t.dir() + "chap03.dat\n"));
}

TEST(CreateBook, TemplateNamesAreFoundIgnoringCaseAndPagesReplaceCaseVariants) {
  TestApp t;
  PutNamedBook(t);
  std::filesystem::rename(t.dir() + "chap02.dat", t.dir() + "CHAP02.DAT");
  std::filesystem::rename(t.dir() + "CA.dat", t.dir() + "ca.DAT");
  t.Put("CHAP05.HTM", "stale\r\n");
  t.Put("Statchap.HTM", "stale\r\n");
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_TRUE(CreateBook(app)); }));
  EXPECT_EQ("chap02\r\n", t.Get("chap02.htm"));
  EXPECT_EQ("chap05\r\n", t.Get("chap05.htm"));
  EXPECT_FALSE(t.Has("CHAP05.HTM"));
  EXPECT_FALSE(t.Has("Statchap.HTM"));
  EXPECT_TRUE(t.Has("statchap.htm"));
}

TEST(CreateBook, GenericBuildWithoutNoStartPageReportsAndEnds) {
  TestApp t("OK\n");
  PutNamedBook(t);
  std::filesystem::remove(t.dir() + "NoStart.htm");
  t.app.session.Generic = "Y";
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_FALSE(CreateBook(app)); }));
  EXPECT_NE(std::string::npos,
            t.Output().find("text: Error #  53 in CreateBook SUB; NatFLNAM$ = appendA   "
                            "TestCode$= \n"));
  EXPECT_FALSE(t.Has("chap01.htm"));
}

TEST(GenericEdition, RoundTripKeepsEveryFieldAndMarksTheEditionOnlyInBetween) {
  TestApp t("Yes\nYes\n");
  PutNamedBook(t);
  t.PutLines("acme.kvx", SampleDataSet());
  t.PutLines("LASTDATA.TXT", {"acme.kvx"});
  t.PutLines("NDEXDATA.TXT", {"acme.kvx"});
  t.app.session.DataFile = "acme.kvx";
  const std::vector<std::string> before = ProfileLines(t.app.profile);

  ASSERT_EQ(0, t.Run([](App& app) { GenericEdition(app, GenericAsk::Ask); }));
  EXPECT_EQ("California\r\n", t.Get("GENERIC.TXT"));
  EXPECT_EQ("Y", t.app.session.Generic);
  EXPECT_EQ(1, t.app.session.QuitFlag);
  EXPECT_EQ(before, ProfileLines(t.app.profile));
  EXPECT_EQ("no start\r\n", t.Get("appendA.htm"));
  EXPECT_NE(std::string::npos, t.Output().find("file format (generic version)."));

  t.app.session.QuitFlag = 0;
  ASSERT_EQ(0, t.Run([](App& app) { GenericEdition(app, GenericAsk::Ask); }));
  EXPECT_FALSE(t.Has("GENERIC.TXT"));
  EXPECT_EQ("N", t.app.session.Generic);
  EXPECT_EQ(1, t.app.session.QuitFlag);
  EXPECT_EQ(before, ProfileLines(t.app.profile));
  EXPECT_EQ("appendA\r\n", t.Get("appendA.htm"));
  EXPECT_EQ(JoinLines(SampleDataSet()), t.Get("acme.kvx"));
  EXPECT_NE(std::string::npos, t.Output().find("title: CREATE CUSTOMIZED VERSION OF BOOK"));
}

TEST(GenericEdition, NoToEitherQuestionChangesNothing) {
  TestApp t("No\n");
  PutNamedBook(t);
  ASSERT_EQ(0, t.Run([](App& app) { GenericEdition(app, GenericAsk::Ask); }));
  EXPECT_FALSE(t.Has("GENERIC.TXT"));
  EXPECT_FALSE(t.Has("chap01.htm"));
  EXPECT_EQ(0, t.app.session.QuitFlag);
  EXPECT_NE(std::string::npos,
            t.Output().find("text:\n  This feature allows you to create a \"generic\" version of \n"
                            "  Opusgrand in California,\n"));
}

TEST(GenericEdition, StateChangeRebuildsTheGenericEditionWithoutAQuestion) {
  TestApp t;
  PutNamedBook(t);
  t.Put("TX.dat", Encoded({"<A NAME=\"LEGAL044\"></A>"}));
  t.app.profile.StateName = "Texas";
  t.app.profile.StateCode = "TX";
  ASSERT_EQ(0, t.Run([](App& app) { GenericEdition(app, GenericAsk::StateChanged); }));
  EXPECT_EQ("Texas\r\n", t.Get("GENERIC.TXT"));
  EXPECT_EQ("<A NAME=\"LEGAL044\"></A>\r\n", t.Get("statchap.htm"));
  EXPECT_EQ(0u, t.Output().find("== QUICK\ntext: ...Creating 'generic' version of Texas "
                                "edition....\n"));
  EXPECT_EQ(std::string::npos, t.Output().find("== MESSAGE"));
}

TEST(GenericEdition, CompanyComesBackWhenTheMarkerCannotBeWritten) {
  TestApp t;
  PutNamedBook(t);
  // A folder that is not empty in the marker's place cannot be replaced by a file.
  t.Put("GENERIC.TXT/keep", "x");
  const std::vector<std::string> before = ProfileLines(t.app.profile);
  EXPECT_ANY_THROW(BuildGenericEdition(t.app, false));
  EXPECT_EQ(before, ProfileLines(t.app.profile));
  EXPECT_EQ("N", t.app.session.Generic);
  EXPECT_FALSE(t.Has("chap01.htm"));
}

}  // namespace
}  // namespace kvx::test
