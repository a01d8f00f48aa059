#include "shell/Connect.h"

#include "book/BookBuilder.h"
#include "book/StateChapter.h"
#include "core/App.h"
#include "core/Trap.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"
#include "profile/DataSetDialog.h"
#include "profile/Interview.h"
#include "profile/SelectionDialog.h"
#include "shell/MainWindow.h"

namespace kvx {

void ConnectParts(App& app) {
  app.ui.reportError = [&app](int number, const std::string& where, const std::string& diag) {
    ReportError(app, number, where, diag);
  };
  app.hooks.createBook = [](App& a) { CreateBook(a); };
  app.hooks.stateChapterNumber = [](App& a) { return StateChapterNumber(a); };
  app.hooks.loadTopicIndex = [](App& a) { LoadTopicIndex(a); };
  app.hooks.openBookLocation = [](App& a, const std::string& address) {
    a.nav.ChapterAddress = address;
    OpenBookLocation(a);
  };
  app.hooks.runMainWindow = [](App& a) { RunMainWindow(a); };
  app.hooks.selectState = [](App& a, int copyMode) { SelectStateEdition(a, copyMode); };
  app.hooks.interview = [](App& a, int interviewMode) { Interview(a, interviewMode); };
  app.hooks.dataSetDialog = [](App& a) { RunDataSetDialog(a); };
}

}  // namespace kvx
