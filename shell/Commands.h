#pragma once
// Commands of the main window that belong to no one part.

#include <string>

namespace kvx {

struct App;

// A command whose window is still being built says so plainly instead of doing nothing.
void NotAvailableYet(App& app, const std::string& what);

}  // namespace kvx
