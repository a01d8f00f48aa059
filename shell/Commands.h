#pragma once
// Commands of the main window that belong to no one part: they tie the selection
// dialogs, the data sets and the book together.

#include <string>

namespace kvx {

struct App;

// The Select State Edition button: the state dialog, then the book for the new state
// (the generic edition again when that is current).
void ChangeOfState(App& app);

// A command whose window is still being built says so plainly instead of doing nothing.
void NotAvailableYet(App& app, const std::string& what);

}  // namespace kvx
