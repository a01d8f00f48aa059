#include "shell/Commands.h"

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "core/App.h"
#include "profile/DataSets.h"
#include "shell/MainWindow.h"

namespace kvx {

void ChangeOfState(App& app) {
  Session& s = app.session;
  app.ui.HideMainWindow(kMainWindowName);
  const std::string before = app.profile.StateName;
  app.hooks.selectState(app, 2);
  if (app.profile.StateName == before || app.profile.DataComplete != "Y") {
    app.ui.ShowMainWindow(kMainWindowName);
    return;
  }
  if (Exist(app.Path("GENERIC.TXT"))) {
    DeleteIfExists(app.Path("GENERIC.TXT"));
    s.Generic = "N";
    GenericEdition(app, 2);  // ends the main window for a rebuild
    return;
  }
  s.Generic = "N";
  const std::string name =
      s.DataFile.empty() && !s.NewFileName.empty() ? s.NewFileName : s.DataFile;
  SaveDataSet(app, name);
  app.hooks.createBook(app);
  app.ui.ShowMainWindow(kMainWindowName);
}

void NotAvailableYet(App& app, const std::string& what) {
  app.ui.ShowMessage(Box(app.session.ProgName, what + " is not available in this release yet.",
                         Icon::Information));
}

}  // namespace kvx
