#include <gtest/gtest.h>

#include "base/Files.h"
#include "profile/DataSets.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::Count;
using test::SampleDataSet;
using test::TestApp;

// A program folder with ACME.KVX current and listed.
void Session(TestApp& t, const std::vector<std::string>& dataSet = SampleDataSet()) {
  t.SetProgramFolder();
  t.PutLines("ACME.KVX", dataSet);
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
}

TEST(DataSet, SavesEighteenLinesAndReadsThemBack) {
  TestApp t;
  Session(t);
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  const CompanyProfile& p = t.app.profile;
  EXPECT_EQ(p.StateName, "California");
  EXPECT_EQ(p.Employees, 12);
  EXPECT_EQ(p.BizCategory, 1);
  EXPECT_EQ(p.DataComplete, "Y");
  t.app.profile.Company = "A & B's \"Pizza\"";
  ASSERT_TRUE(SaveDataSet(t.app, "ACME.KVX"));
  std::vector<std::string> expected = SampleDataSet();
  expected[2] = "A & B's \"Pizza\"";
  EXPECT_EQ(t.Get("ACME.KVX"), JoinLines(expected));
  EXPECT_EQ(t.Output(), "");
}

TEST(DataSet, AShortDataSetIsReportedAndKeepsWhatWasRead) {
  TestApp t;
  std::vector<std::string> ten = SampleDataSet();
  ten.resize(10);
  Session(t, ten);
  t.app.profile.Franchise = "old";
  EXPECT_FALSE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ(t.app.profile.Revenues, "Under $1 million");
  EXPECT_EQ(t.app.profile.Franchise, "old");
  EXPECT_NE(t.Output().find("Error number  62 (Input past end of file) detected in subprogram or "
                            "function LoadDataSet.... (Diagnostic:  Reading file: " +
                            t.dir() + "ACME.KVX)"),
            std::string::npos);
}

TEST(DataSet, BadBytesLoadWithoutHarm) {
  std::vector<std::string> odd = SampleDataSet();
  odd[2] = std::string(1 << 20, 'x');         // a line of a megabyte
  odd[6] = "many";                            // not a number
  odd[15] = std::string("\0\xff\x01<b>", 6);  // binary bytes
  TestApp t;
  Session(t, odd);
  EXPECT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ(t.app.profile.Company.size(), 1u << 20);
  EXPECT_EQ(t.app.profile.Employees, 0);
  EXPECT_EQ(t.app.profile.BizDescription, odd[15]);

  TestApp empty;
  Session(empty, {});
  EXPECT_FALSE(LoadDataSet(empty.app, LoadMode::StartUp));
  EXPECT_NE(empty.Output().find(" 62 (Input past end of file)"), std::string::npos);
}

TEST(DataSet, NumbersFollowTheLeadingNumberRule) {
  TestApp t;
  Session(t);
  std::vector<std::string> lines = SampleDataSet();
  for (const auto& [text, value] : std::vector<std::pair<std::string, int>>{
           {"12", 12}, {"", 0}, {"  7 people", 7}, {"-3", -3}, {"2147483647", 2147483647}}) {
    lines[6] = text;
    t.PutLines("ACME.KVX", lines);
    ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp)) << text;
    EXPECT_EQ(t.app.profile.Employees, value) << text;
  }
  lines[6] = "99999999999999999999";
  t.PutLines("ACME.KVX", lines);
  EXPECT_FALSE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_NE(t.Output().find("Error number  6 (Unspecified error)# detected in subprogram or "
                            "function LoadDataSet"),
            std::string::npos);
}

TEST(DataSet, AMissingDataSetIsError53) {
  TestApp t;
  Session(t);
  t.PutLines("LASTDATA.TXT", {"GONE.KVX"});
  EXPECT_FALSE(LoadDataSet(t.app, LoadMode::Reread));
  EXPECT_NE(t.Output().find("Error number  53 (File not found) detected in subprogram or function "
                            "LoadDataSet.... (Diagnostic:  Unable to find file: " +
                            t.dir() + "GONE.KVX)  Continuing momentarily...."),
            std::string::npos);
}

TEST(DataList, LoadsWithoutGapsOrMissingNames) {
  TestApp t;
  Session(t);
  t.Put("B.KVX", "");
  t.PutLines("NDEXDATA.TXT", {"", "ACME.KVX", "DELETED.KVX", "", "../ACME.KVX", "b.kvx"});
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ(t.app.session.DataList[1], "ACME.KVX");
  EXPECT_EQ(t.app.session.DataList[2], "b.kvx");
  EXPECT_EQ(t.app.session.DataList[3], "");
}

TEST(DataList, KeepsTheFirstThousandUsableNames) {
  TestApp t;
  Session(t);
  std::vector<std::string> names;
  for (int i = 0; i < 5000; ++i) {
    const std::string name = "N" + std::to_string(i) + ".KVX";
    names.push_back(i % 2 ? "MISSING" + std::to_string(i) : name);
    if (i % 2 == 0 && i < 2400) t.Put(name, "");
  }
  t.PutLines("NDEXDATA.TXT", names);
  ReadDataList(t.app);
  EXPECT_EQ(t.app.session.DataList[1], "N0.KVX");
  EXPECT_EQ(t.app.session.DataList[1000], "N1998.KVX");
}

TEST(DataList, SavingListsANameOnceIgnoringCase) {
  TestApp t;
  Session(t);
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  ASSERT_TRUE(SaveDataSet(t.app, "SHOP.KVX"));
  EXPECT_EQ(t.Get("LASTDATA.TXT"), "SHOP.KVX\r\n");
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nSHOP.KVX\r\n");
  t.PutLines("NDEXDATA.TXT", {"untouched"});
  ASSERT_TRUE(SaveDataSet(t.app, "acme.kvx"));
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "untouched\r\n") << "a listed name does not rewrite the list";
  EXPECT_EQ(t.app.session.DataFile, "acme.kvx");
}

TEST(DataList, AFullListReplacesARandomEarlierEntry) {
  TestApp t;
  t.SetProgramFolder();
  for (int i = 1; i <= 999; ++i) t.app.session.DataList[i] = "N" + std::to_string(i) + ".KVX";
  ASSERT_TRUE(SaveDataSet(t.app, "LAST.KVX"));
  EXPECT_EQ(t.app.session.DataList[1000], "LAST.KVX") << "the empty last slot is used";
  EXPECT_EQ(Count(t.Get("NDEXDATA.TXT"), "\r\n"), 1000);

  ASSERT_TRUE(SaveDataSet(t.app, "MORE.KVX"));
  const std::string list = t.Get("NDEXDATA.TXT");
  EXPECT_EQ(Count(list, "\r\n"), 1000);
  EXPECT_EQ(Count(list, "MORE.KVX\r\n"), 1);
  EXPECT_EQ(t.app.session.DataList[1000], "LAST.KVX");
  EXPECT_EQ(list.find("\r\n\r\n"), std::string::npos);
}

TEST(DataSet, OpeningADataSetOfAMissingStateKeepsTheCurrentState) {
  TestApp t("OK\n");
  Session(t);
  t.Put("GENERIC.TXT", "");
  t.Put("statchap.htm", "");
  t.app.profile.StateName = "Ohio";
  t.app.profile.StateCode = "OH";
  t.app.session.DataFile = "ACME.KVX";
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::Open));
  EXPECT_EQ(t.app.profile.StateCode, "OH");
  EXPECT_EQ(t.app.profile.Company, "Acme Pizza Parlor");
  EXPECT_FALSE(t.Has("GENERIC.TXT"));
  EXPECT_FALSE(t.Has("statchap.htm"));
  EXPECT_NE(t.Output().find("text:\n  Unable to find California file\n  \n  Path/File: " + t.dir() +
                            "CA.DAT\n  \n  Will use Ohio file instead....\n"),
            std::string::npos);
}

TEST(DataSet, TheBuiltStateChapterWinsOverTheDataSet) {
  TestApp t;
  Session(t);
  t.app.hooks.stateChapterNumber = [](App&) { return 44; };  // Texas
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
  EXPECT_EQ(t.app.profile.StateName, "Texas");
  EXPECT_EQ(t.Get("ACME.KVX").substr(0, 11), "Texas\r\nTX\r\n");

  // Mode 3 never takes the chapter's state, and a generic edition is never written over.
  TestApp generic;
  Session(generic);
  generic.Put("GENERIC.TXT", "California\r\n");
  generic.app.hooks.stateChapterNumber = [](App&) { return 44; };
  ASSERT_TRUE(LoadDataSet(generic.app, LoadMode::StartUp));
  EXPECT_EQ(generic.app.profile.StateCode, "TX");
  EXPECT_EQ(generic.Get("ACME.KVX"), JoinLines(SampleDataSet()));
  ASSERT_TRUE(LoadDataSet(generic.app, LoadMode::Reread));
  EXPECT_EQ(generic.app.profile.StateCode, "CA");
}

}  // namespace
}  // namespace kvx
