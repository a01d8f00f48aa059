// The state chapter: made from the state file, and its state read back.

#include <gtest/gtest.h>

#include "book/StateChapter.h"
#include "profile/DataSets.h"
#include "shell/Connect.h"
#include "tests/book/BookFixture.h"

namespace kvx::test {
namespace {

TEST(MakeState, MarkersBecomeBracketsAndAnEmptyFileGivesAnEmptyChapter) {
  EXPECT_EQ("[x", ChapterLine("<!--@@ x"));
  EXPECT_EQ("]", ChapterLine("@@-->"));
  EXPECT_EQ("a [b] c", ChapterLine("a <!--@@b @@--> c"));
  EXPECT_EQ("[[", ChapterLine("<!--@@<!--@@ "));

  TestApp t;
  t.SetProgramFolder();
  t.app.profile.StateCode = "DC";
  t.Put("dc.DAT", "");
  EXPECT_EQ(1, MakeState(t.app));
  EXPECT_TRUE(t.Has("statchap.htm"));
  EXPECT_EQ("", t.Get("statchap.htm"));
}

TEST(MakeState, NoStateFileLeavesThePreviousChapter) {
  TestApp t;
  t.SetProgramFolder();
  t.Put("statchap.htm", "before\r\n");
  t.app.profile.StateCode = "WY";
  EXPECT_EQ(0, MakeState(t.app));
  t.app.profile.StateCode = "../WY";  // never a name outside the program folder
  EXPECT_EQ(0, MakeState(t.app));
  EXPECT_EQ("before\r\n", t.Get("statchap.htm"));
  EXPECT_EQ("", t.Output());
}

TEST(StateChapterNumber, ReadsTheIdentityAnchorInAnyLetterCase) {
  TestApp t;
  t.SetProgramFolder();
  EXPECT_EQ(0, StateChapterNumber(t.app));  // no chapter yet
  const std::pair<std::string, int> cases[] = {
      {"<HTML>\r\n  <A NAME=\"LEGAL009\"></A>  \r\n<A NAME=\"LEGAL044\"></A>\r\n", 9},
      {"<a name=\"legal009\"></a>\n", 9},
      {"<A NAME=\"LEGAL051\"></A>", 51},
      {"<A NAME=\"SALES TAX\">\r\n", 0},
      {"<A NAME=\"LEGAL0xx\"></A>\r\n", 0},
      {"", 0},
  };
  for (const auto& [chapter, row] : cases) {
    t.Put("statchap.htm", chapter);
    EXPECT_EQ(row, StateChapterNumber(t.app)) << chapter;
  }
}

TEST(MakeState, AChapterThatCannotBeWrittenIsReported) {
  TestApp t("OK\n");
  t.SetProgramFolder();
  t.app.profile.StateCode = "CA";
  t.Put("CA.dat", Encoded({"<HTML>"}));
  t.Put("statchap.htm/keep", "a folder where the chapter goes");
  ASSERT_EQ(0, t.Run([](App& app) { EXPECT_EQ(0, MakeState(app)); }));
  EXPECT_NE(std::string::npos,
            t.Output().find("text: Error #  70 in MakeState FUNCTION (TestCode = 1\n"));
}

TEST(StateChapterNumber, StartUpTakesTheStateOfTheLastChapterBuilt) {
  TestApp t;
  t.SetProgramFolder();
  ConnectParts(t.app);
  t.PutLines("acme.kvx", SampleDataSet());
  t.PutLines("LASTDATA.TXT", {"acme.kvx"});
  t.PutLines("NDEXDATA.TXT", {"acme.kvx"});
  t.Put("statchap.htm", "<A NAME=\"LEGAL044\"></A>\r\n");
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ("TX", t.app.profile.StateCode);
  EXPECT_EQ("Texas", t.app.profile.StateName);
}

}  // namespace
}  // namespace kvx::test
