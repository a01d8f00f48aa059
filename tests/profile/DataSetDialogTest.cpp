#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "base/Files.h"
#include "profile/DataSetDialog.h"
#include "profile/DataSets.h"
#include "profile/FileCommands.h"
#include "tests/profile/InterviewFixture.h"

namespace kvx {
namespace {

using test::TestApp;

// A program folder listing the names (each a data set on disk) with the first current.
void Listed(TestApp& t, const std::vector<std::string>& names) {
  t.SetProgramFolder();
  for (const std::string& name : names) t.PutLines(name, test::SampleDataSet());
  t.PutLines("NDEXDATA.TXT", names);
  ReadDataList(t.app);
  t.app.session.DataFile = names.front();
}

const std::vector<std::string> kEight = {"delta.KVX", "ALPHA.KVX",   "Echo.KVX", "bravo.KVX",
                                         "HOTEL.KVX", "charlie.KVX", "golf.KVX", "Foxtrot.KVX"};

TEST(DataSetDialog, SortsIgnoringCaseAndPreselectsTheLastOfMoreThanSeven) {
  TestApp t("click OK\n");
  Listed(t, kEight);
  RunDataSetDialog(t.app);
  EXPECT_NE(t.Output().find("== DIALOG DataSetDialog\ntitle: Select Saved Company Data Set\n"
                            "label: Double-click on data set or select and click 'OK' or "
                            "'Delete'\nlist: 8 rows\n  1: ALPHA.KVX\n  2: bravo.KVX\n"
                            "  3: charlie.KVX\n  4: delta.KVX\n  5: Echo.KVX\n  6: Foxtrot.KVX\n"
                            "  7: golf.KVX\n  8*: HOTEL.KVX\nbutton: &OK\nbutton: &CANCEL\n"
                            "button: &DELETE\n\n"),
            std::string::npos)
      << t.Output();
  EXPECT_EQ(t.app.session.DataFile, "HOTEL.KVX");
  EXPECT_EQ(t.app.session.DataSetChosen, 1);
  EXPECT_EQ(t.app.session.NewFileName, "");
}

TEST(DataSetDialog, SevenOrFewerSelectNothingAndOkChoosesNothing) {
  TestApp t("click OK\nselect golf\nclick CANCEL\ndouble-click 2\n");
  Listed(t, std::vector<std::string>(kEight.begin(), kEight.begin() + 7));
  for (int i = 0; i < 3; ++i) RunDataSetDialog(t.app);
  const std::string out = t.Output();
  EXPECT_EQ(out.find("*:"), out.rfind("*:"));      // only the one selection made, never at open
  EXPECT_EQ(t.app.session.DataFile, "bravo.KVX");  // the double-click
  EXPECT_EQ(t.app.session.DataSetChosen, 1);
  EXPECT_EQ(t.app.session.NewFileName, "");
}

TEST(DataSetDialog, TheCurrentDataSetCannotBeDeleted) {
  TestApp t("select ALPHA\nclick DELETE\nclick CANCEL\n");
  Listed(t, {"ALPHA.KVX", "BRAVO.KVX"});
  t.app.session.DataFile = "alpha.kvx";  // another spelling reaches the same file
  EXPECT_EQ(t.Run(RunDataSetDialog), 0) << t.Output();
  EXPECT_NE(t.Output().find("== QUICK\ntext: Deletion of currently active file is not "
                            "permitted.\n\n== DIALOG DataSetDialog\n"),
            std::string::npos);
  EXPECT_TRUE(t.Has("ALPHA.KVX"));
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ALPHA.KVX\r\nBRAVO.KVX\r\n");
}

TEST(DataSetDialog, DeletingRemovesTheFileAndEveryListingOfItsName) {
  TestApp t("select bravo\nclick DELETE\nNo\nclick DELETE\nYes\n");
  Listed(t, {"ALPHA.KVX", "bravo.KVX", "CHARLIE.KVX", "delta.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ALPHA.KVX", "bravo.KVX", "CHARLIE.KVX", "BRAVO.KVX", "delta.KVX"});
  ReadDataList(t.app);
  RunDataSetDialog(t.app);
  EXPECT_NE(t.Output().find("== MESSAGE\ntitle: Corvanta\nicon: question\nbuttons: Yes No\n"
                            "default: No\ntext: Are you sure you wish to delete the data set "
                            "(file) named bravo.KVX ?\n"),
            std::string::npos);
  EXPECT_FALSE(t.Has("bravo.KVX"));
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ALPHA.KVX\r\nCHARLIE.KVX\r\ndelta.KVX\r\n");
  EXPECT_EQ(t.app.session.DataList[3], "delta.KVX");
  EXPECT_EQ(t.app.session.DataList[4], "");
  EXPECT_EQ(t.app.session.DataFile, "ALPHA.KVX");
  EXPECT_EQ(t.app.session.DataSetChosen, 0);
  EXPECT_EQ(t.app.session.NewFileName, "");
}

TEST(DataSetDialog, ANameWhoseFileIsGoneOrStuckStillLeavesTheList) {
  TestApp t("select GONE\nclick DELETE\nYes\nselect STUCK\nclick DELETE\nYes\n");
  Listed(t, {"ALPHA.KVX", "GONE.KVX", "STUCK.KVX", "ZULU.KVX"});
  std::filesystem::remove(t.dir() + "GONE.KVX");
  // A file that cannot be deleted: here a folder that is not empty.
  std::filesystem::remove(t.dir() + "STUCK.KVX");
  std::filesystem::create_directories(t.dir() + "STUCK.KVX/inside");
  RunDataSetDialog(t.app);
  RunDataSetDialog(t.app);
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ALPHA.KVX\r\nZULU.KVX\r\n");
  EXPECT_TRUE(t.Has("ALPHA.KVX"));
  EXPECT_TRUE(t.Has("ZULU.KVX"));
}

TEST(DataSetDialog, AThousandNamesOpenAtOnce) {
  TestApp t("click OK\n");
  t.SetProgramFolder();
  for (int i = 1; i <= kDataListSlots; ++i)
    t.app.session.DataList[i] = "N" + std::to_string(kDataListSlots - i) + ".KVX";
  t.app.session.DataFile = "N1.KVX";
  const auto start = std::chrono::steady_clock::now();
  RunDataSetDialog(t.app);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(t.app.session.DataFile, "N999.KVX");
  EXPECT_NE(t.Output().find("list: 1000 rows\n  1: N0.KVX\n  2: N1.KVX\n  3: N10.KVX\n"),
            std::string::npos);
}

TEST(DataSetDialog, OpeningTheChosenDataSetRebuildsTheBook) {
  TestApp t("double-click BRAVO\n");
  Listed(t, {"ALPHA.KVX", "BRAVO.KVX"});
  t.PutLines("LASTDATA.TXT", {"ALPHA.KVX"});
  t.Put("CA.dat", "<HTML>\r\n");
  int books = 0;
  t.app.hooks.createBook = [&](App&) { ++books; };
  OpenDataFile(t.app);
  EXPECT_EQ(t.app.session.DataFile, "BRAVO.KVX");
  EXPECT_EQ(t.Get("LASTDATA.TXT"), "BRAVO.KVX\r\n");
  EXPECT_EQ(books, 1);
  EXPECT_EQ(t.app.session.QuitFlag, 1);
}

}  // namespace
}  // namespace kvx
