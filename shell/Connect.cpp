#include "shell/Connect.h"

#include "shell/App.h"

namespace kvx {

void ConnectParts(App& /*app*/) {
  // The main window, the selection dialogs, the interview, the book build and the topic
  // index connect here as they are built; until then their hooks stay empty and
  // start-up ends after restoring the session.
}

}  // namespace kvx
