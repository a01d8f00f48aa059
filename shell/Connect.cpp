#include "shell/Connect.h"

#include "book/BookBuilder.h"
#include "book/StateChapter.h"
#include "core/App.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"

namespace kvx {

void ConnectParts(App& app) {
  // The main window, the selection dialogs and the interview connect here as they are built; until
  // then their hooks stay empty and start-up ends after restoring the session.
  app.hooks.createBook = [](App& a) { CreateBook(a); };
  app.hooks.stateChapterNumber = [](App& a) { return StateChapterNumber(a); };
  app.hooks.loadTopicIndex = [](App& a) { LoadTopicIndex(a); };
  app.hooks.openBookLocation = [](App& a, const std::string& address) {
    a.nav.ChapterAddress = address;
    OpenBookLocation(a);
  };
}

}  // namespace kvx
