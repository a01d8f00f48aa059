#include <gtest/gtest.h>

#include "base/Files.h"
#include "core/App.h"
#include "shell/Startup.h"
#include "tests/support/TestApp.h"
#include "ui/Dialog.h"

namespace kvx {
namespace {

using test::Count;
using test::TestApp;

void Enter(App& app) {
  ProgramEntry(app, "");
}

TEST(Startup, MissingTemplateEndsTheProgram) {
  TestApp t("OK\n");
  t.PutBookFiles();
  DeleteIfExists(t.dir() + "appendB.htm");
  int windows = 0;
  t.app.hooks.runMainWindow = [&](App&) { ++windows; };
  EXPECT_EQ(t.Run(Enter), 0);
  EXPECT_EQ(t.Output(),
            "== MESSAGE\ntitle: Opusgrand\nicon: stop\nbuttons: OK\ndefault: OK\n"
            "text: Fatal error: Missing data file " +
                t.dir() + "appendB.htm\n\n");
  EXPECT_EQ(t.app.session.QuitFlag, -1);
  EXPECT_EQ(windows, 0);
}

TEST(Startup, TemplatesAreFoundIgnoringLetterCase) {
  TestApp t("OK\n");
  t.PutBookFiles();
  RenameFile(t.dir() + "chap01.dat", t.dir() + "CHAP01.DAT");
  t.Run(Enter);
  EXPECT_EQ(t.Output().find("Missing data file"), std::string::npos);
}

TEST(Startup, LastDataNamingAMissingDataSetIsDeleted) {
  for (const std::string name : {"GONE.KVX", "../outside.KVX", ""}) {
    TestApp t;
    t.PutBookFiles();
    t.PutLines("LASTDATA.TXT", {name});
    t.PutLines("NDEXDATA.TXT", {"GONE.KVX"});
    EXPECT_EQ(t.Run(Enter), 0);
    EXPECT_EQ(t.Output(), "== QUICK\ntext: File named " + name +
                              " not found or corrupted: Restart program.\n\n");
    EXPECT_FALSE(t.Has("LASTDATA.TXT"));
    EXPECT_TRUE(t.Has("NDEXDATA.TXT"));
    EXPECT_EQ(t.app.session.QuitFlag, -1);
  }
}

TEST(Startup, RestoresTheLastSessionAndRunsTheMainWindow) {
  TestApp t;
  t.PutBookFiles();
  t.PutLines("ACME.KVX", test::SampleDataSet());
  t.PutLines("LASTDATA.TXT", {"ACME.KVX"});
  t.PutLines("NDEXDATA.TXT", {"ACME.KVX"});
  t.Put("GENERIC.TXT", "California\r\n");
  int indexes = 0, windows = 0;
  t.app.hooks.loadTopicIndex = [&](App&) { ++indexes; };
  t.app.hooks.runMainWindow = [&](App& app) {
    // A rebuild request runs the window again; anything else ends the loop.
    app.session.QuitFlag = ++windows < 3 ? 1 : 0;
  };
  EXPECT_EQ(t.Run(Enter), 0);
  EXPECT_EQ(t.Output(), "");
  EXPECT_EQ(t.app.profile.Company, "Acme Pizza Parlor");
  EXPECT_EQ(t.app.session.DataFile, "ACME.KVX");
  EXPECT_EQ(t.app.session.Generic, "Y");
  EXPECT_EQ(t.app.session.PathSpec, t.dir());
  EXPECT_EQ(indexes, 1);
  EXPECT_EQ(windows, 3);
  EXPECT_TRUE(t.Has("docs/KVXDOCS"));
}

TEST(Startup, FirstRunWithoutAStateAsksToRetryOrCancel) {
  TestApp t("Retry\nCancel\n");
  t.PutBookFiles();
  int asked = 0;
  t.app.hooks.selectState = [&](App&, int copy) {
    EXPECT_EQ(copy, 1);
    ++asked;
  };
  EXPECT_EQ(t.Run(Enter), 0);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(Count(t.Output(),
                  "title: Error -- State not selected\nicon: stop\n"
                  "buttons: Retry Cancel\ndefault: Retry\ntext:\n"
                  "  The program cannot operate unless you select a\n"
                  "  state (edition) that you wish to create/install.\n"),
            2);
  EXPECT_NE(t.Output().find("== QUICK\ntext: Exiting program now....\n"), std::string::npos);
}

TEST(Startup, FirstRunStopsWhenTheStateChapterIsMissing) {
  TestApp t;
  t.PutBookFiles("CA");
  int interviews = 0;
  t.app.hooks.selectState = [](App& app, int) {
    app.profile.StateName = "Texas";
    app.profile.StateCode = "TX";
  };
  t.app.hooks.interview = [&](App&, int) { ++interviews; };
  t.Run(Enter);
  EXPECT_EQ(t.Output(), "== QUICK\ntext: The Texas chapter (and data) not found\n\n");
  EXPECT_TRUE(t.app.profile.StateName.empty());
  EXPECT_TRUE(t.app.profile.StateCode.empty());
  EXPECT_EQ(interviews, 0);
}

TEST(Startup, FirstRunInterviewsTheNewCompany) {
  TestApp t;
  t.PutBookFiles("CA");
  t.app.hooks.selectState = [](App& app, int) {
    app.profile.StateName = "California";
    app.profile.StateCode = "CA";
  };
  int mode = 0;
  t.app.hooks.interview = [&](App& app, int m) {
    mode = m;
    app.session.QuitFlag = -1;
  };
  int windows = 0;
  t.app.hooks.runMainWindow = [&](App&) { ++windows; };
  t.Run(Enter);
  EXPECT_EQ(mode, 1);
  EXPECT_EQ(windows, 0);
}

TEST(FindDrivePath, AProgramFileOfAnotherNameIsReported) {
  TestApp t("OK\nOK\n");
  t.PutBookFiles();
  t.system.exeName = "KVX";  // letter case does not matter
  FindDrivePath(t.app);
  EXPECT_EQ(t.app.session.PathSpec, t.dir());
  EXPECT_EQ(t.app.session.DrivePath, "");

  t.system.exeName = "other";
  t.Run(Enter);
  EXPECT_NE(t.Output().find("text: Error in FindDrivePath:  PathSpec$ =" + t.dir() + "other/\n"),
            std::string::npos);
  EXPECT_NE(t.Output().find("Fatal error: Missing data file " + t.dir() + "other/chap01.dat"),
            std::string::npos);
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST(Wiring, AStepNobodyConnectedFailsLoudlyOnceInsteadOfLooping) {
  test::TestApp t;
  t.PutBookFiles();
  t.app.hooks.selectState = nullptr;  // as if the wiring forgot the state dialog
  EXPECT_EQ(t.Run([](App& app) { ProgramEntry(app, ""); }), 0);
  EXPECT_EQ(test::Count(t.Output(), "the step selectState is not connected"), 1) << t.Output();
  EXPECT_EQ(test::Count(t.Output(), "Error -- State not selected"), 0);
  Hooks fresh;
  EXPECT_THROW(fresh.createBook(t.app), std::logic_error);
}

// A dialog whose button fails: the error is reported under the dialog's name and the
// dialog is shown again, in automation as in the windows.
class Failing : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v{"Failing", "Failing", 100, 50};
    v.controls.push_back({Control::Kind::Button, "&Go", {1, 1, 20, 10}});
    return v;
  }
  void Click(int) override { Raise(70, "Writing file: /ro/x"); }
  void Close() override { done = true; }
  bool Finished() const override { return done; }
  bool done = false;
};

TEST(Wiring, AnErrorEscapingADialogActionIsReportedAndTheDialogGoesOn) {
  test::TestApp t("click Go\nclose\n");
  t.SetProgramFolder();
  Failing dialog;
  EXPECT_EQ(t.Run([&](App& app) { app.ui.RunDialog(dialog); }), 0);
  EXPECT_NE(t.Output().find("Error number  70 (Permission denied) detected in subprogram or "
                            "function Failing.... (Diagnostic:  Writing file: /ro/x)"),
            std::string::npos)
      << t.Output();
  EXPECT_EQ(test::Count(t.Output(), "== DIALOG Failing"), 2);
}

}  // namespace
}  // namespace kvx
