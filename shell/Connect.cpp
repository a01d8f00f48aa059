#include "shell/Connect.h"

#include "book/BookBuilder.h"
#include "book/StateChapter.h"
#include "shell/App.h"

namespace kvx {

void ConnectParts(App& app) {
  // The main window, the selection dialogs, the interview and the topic index connect
  // here as they are built; until then their hooks stay empty and start-up ends after
  // restoring the session.
  app.hooks.createBook = [](App& a) { CreateBook(a); };
  app.hooks.stateChapterNumber = [](App& a) { return StateChapterNumber(a); };
}

}  // namespace kvx
