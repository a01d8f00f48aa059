#include "shell/Commands.h"

#include "core/App.h"

namespace kvx {

void NotAvailableYet(App& app, const std::string& what) {
  app.ui.ShowMessage(Box(app.session.ProgName, what + " is not available in this release yet.",
                         Icon::Information));
}

}  // namespace kvx
