#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "profile/DataSets.h"
#include "profile/FileCommands.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::SampleDataSet;
using test::TestApp;

void Current(TestApp& t) {
  t.SetProgramFolder();
  t.PutLines("ACME.KVX", SampleDataSet());
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  t.Put("CA.dat", "");
  ASSERT_TRUE(LoadDataSet(t.app, LoadMode::StartUp));
}

TEST(FileCommands, SaveAndSaveAs) {
  TestApp t("=Second Shop\n");
  Current(t);
  t.app.profile.Employees = 40;
  SaveDataFile(t.app);
  EXPECT_NE(t.Get("ACME.KVX").find("\r\n40\r\n"), std::string::npos);
  SaveDataFileAs(t.app);
  EXPECT_EQ(t.app.session.DataFile, "Second_Shop.KVX");
  EXPECT_TRUE(t.Has("ACME.KVX"));
  EXPECT_EQ(t.Get("Second_Shop.KVX"), t.Get("ACME.KVX"));
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nSecond_Shop.KVX\r\n");
  EXPECT_EQ(t.app.session.NewFileName, "");
  EXPECT_NE(t.Output().find("== QUICK\ntext: File saved as ACME.KVX\n"), std::string::npos);
  EXPECT_NE(t.Output().find("== QUICK\ntext: File saved as Second_Shop.KVX\n"), std::string::npos);
}

TEST(FileCommands, SavingAGenericEditionIsRefused) {
  TestApp t;
  Current(t);
  t.app.session.Generic = "Y";
  const std::string before = t.Get("ACME.KVX");
  t.app.profile.Company = "Your Company";
  SaveDataFile(t.app);
  SaveDataFileAs(t.app);
  EXPECT_EQ(t.Get("ACME.KVX"), before);
  EXPECT_EQ(test::Count(t.Output(),
                        "text: This is a generic version; there is no company data "
                        "set to save at this time.\n"),
            2);
}

TEST(FileCommands, AFailedSaveIsNotReportedAsSaved) {
  TestApp t;
  t.SetProgramFolder();
  std::filesystem::create_directories(t.dir() + "ACME.KVX/x");
  t.app.session.DataFile = "ACME.KVX";
  SaveDataFile(t.app);
  EXPECT_NE(t.Output().find(" 70 (Permission denied) detected in subprogram or function "
                            "SaveDataSet"),
            std::string::npos);
  EXPECT_EQ(t.Output().find("File saved as"), std::string::npos);
}

TEST(FileCommands, OpeningAnotherDataSetRebuildsTheBook) {
  TestApp t;
  Current(t);
  std::vector<std::string> other = SampleDataSet();
  other[2] = "Other Co";
  t.PutLines("OTHER.KVX", other);
  int books = 0;
  t.app.hooks.dataSetDialog = [](App& app) {
    app.session.DataFile = "OTHER.KVX";
    app.session.DataSetChosen = 1;
  };
  t.app.hooks.createBook = [&](App&) { ++books; };
  OpenDataFile(t.app);
  EXPECT_EQ(t.app.profile.Company, "Other Co");
  EXPECT_EQ(t.Get("LASTDATA.TXT"), "OTHER.KVX\r\n");
  EXPECT_EQ(t.Get("NDEXDATA.TXT"), "ACME.KVX\r\nOTHER.KVX\r\n");
  EXPECT_EQ(books, 1);
  EXPECT_EQ(t.app.session.QuitFlag, 1);
  EXPECT_EQ(t.Output(), "== HIDE MainWindow\n\n== SHOW MainWindow\n\n");
}

TEST(FileCommands, OpeningNothingNewChangesNothing) {
  TestApp t;
  Current(t);
  int books = 0;
  t.app.hooks.dataSetDialog = [](App&) {};
  t.app.hooks.createBook = [&](App&) { ++books; };
  OpenDataFile(t.app);
  // In the generic edition only a chosen data set ends it, even the current one.
  t.app.session.Generic = "Y";
  OpenDataFile(t.app);
  EXPECT_EQ(books, 0);
  EXPECT_EQ(t.app.session.QuitFlag, 0);
  t.app.hooks.dataSetDialog = [](App& app) { app.session.DataSetChosen = 1; };
  OpenDataFile(t.app);
  EXPECT_EQ(books, 1);
  EXPECT_EQ(t.app.session.Generic, "N");
}

TEST(FileCommands, NewDataFileRunsTheInterview) {
  TestApp t;
  Current(t);
  t.app.session.NewFileName = "X.KVX";
  int mode = 0;
  t.app.hooks.interview = [&](App& app, int m) {
    mode = m;
    EXPECT_EQ(app.session.NewFileName, "");
  };
  NewDataFile(t.app);
  EXPECT_EQ(mode, 2);
}

}  // namespace
}  // namespace kvx
