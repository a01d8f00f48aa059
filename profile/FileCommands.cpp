#include "profile/FileCommands.h"

#include "core/App.h"
#include "core/Messages.h"
#include "profile/DataFileName.h"
#include "profile/DataSets.h"

namespace kvx {

namespace {

constexpr const char* kMainWindow = "MainWindow";
constexpr const char* kGenericRefusal =
    "This is a generic version; there is no company data set to save at this time.";

}  // namespace

void NewDataFile(App& app) {
  app.session.NewFileName.clear();
  app.ui.HideMainWindow(kMainWindow);
  app.hooks.interview(app, 2);
  app.ui.ShowMainWindow(kMainWindow);
}

void OpenDataFile(App& app) {
  Session& s = app.session;
  const std::string before = s.DataFile;
  app.ui.HideMainWindow(kMainWindow);
  s.DataSetChosen = 0;
  app.hooks.dataSetDialog(app);
  const bool generic = s.Generic == "Y";
  if ((s.DataFile == before && !generic) || (generic && s.DataSetChosen != 1)) {
    app.ui.ShowMainWindow(kMainWindow);
    return;
  }
  s.DataSetChosen = 0;
  s.Generic = "N";
  LoadDataSet(app, LoadMode::Open);
  SaveDataSet(app, s.DataFile);
  app.hooks.createBook(app);
  app.ui.ShowMainWindow(kMainWindow);
  s.QuitFlag = 1;
}

void SaveDataFile(App& app) {
  if (app.session.Generic == "Y") {
    QuickMessage(app, kGenericRefusal);
    return;
  }
  if (!SaveDataSet(app, app.session.DataFile)) return;
  QuickMessage(app, "File saved as " + app.session.DataFile);
}

void SaveDataFileAs(App& app) {
  Session& s = app.session;
  if (s.Generic == "Y") {
    QuickMessage(app, kGenericRefusal);
    return;
  }
  const std::optional<std::string> name =
      GetDataFileName(app, FileNamePrompt::SaveAs, app.profile.Company);
  if (!name) return;
  if (SaveDataSet(app, *name)) QuickMessage(app, "File saved as " + s.DataFile);
}

}  // namespace kvx
