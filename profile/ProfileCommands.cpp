#include "profile/ProfileCommands.h"

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "core/App.h"
#include "profile/DataSets.h"
#include "profile/SelectionDialog.h"

namespace kvx {

namespace {

constexpr const char* kMainWindow = "MainWindow";

}  // namespace

void ChangeInterviewCommand(App& app) {
  app.ui.HideMainWindow(kMainWindow);
  app.hooks.interview(app, 2);
  app.ui.ShowMainWindow(kMainWindow);
}

void ChangeOfState(App& app) {
  Session& s = app.session;
  CompanyProfile& p = app.profile;
  app.ui.HideMainWindow(kMainWindow);
  const std::string before = p.StateName;
  app.hooks.selectState(app, 2);
  if (p.StateName == before || p.DataComplete != "Y") {
    app.ui.ShowMainWindow(kMainWindow);
    return;
  }
  if (Exist(app.Path("GENERIC.TXT"))) {
    DeleteIfExists(app.Path("GENERIC.TXT"));
    s.Generic = "N";
    // Builds the generic edition for the new state and ends the main window for a
    // rebuild, so it is not shown again here.
    GenericEdition(app, GenericAsk::StateChanged);
    return;
  }
  s.Generic = "N";
  const std::string name =
      (s.DataFile.empty() && !s.NewFileName.empty()) ? s.NewFileName : s.DataFile;
  SaveDataSet(app, name);
  app.hooks.createBook(app);
  app.ui.ShowMainWindow(kMainWindow);
}

}  // namespace kvx
