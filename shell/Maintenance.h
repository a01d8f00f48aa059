#pragma once
// The commands that look after the installation rather than the book: uninstalling, the
// browser workaround switch and the about box.

#include <string>

namespace kvx {

struct App;

// The uninstaller pair with the highest number: "unins" + three digits, an executable
// beside a data file of the same name with ".dat"; a lone half of a pair is deleted.
// Empty when there is no complete pair.
std::string FindUninstaller(App& app);

// Asks, then starts the uninstaller. Returns true when the program is to end now.
bool Uninstall(App& app);

// Switches the browser workaround (TEMPHTML.HTM) and returns the menu item's new
// caption; the caption unchanged when the user declined.
std::string ToggleBrowserWorkaround(App& app, const std::string& caption);
std::string BrowserFixCaption(App& app);

void AboutBox(App& app);

}  // namespace kvx
