#pragma once
// The File menu's data-set commands. A command that changes the current data set sets
// QuitFlag to 1; the main window closes when it sees that, and the main loop builds it
// again with fresh titles.

namespace kvx {

struct App;

void NewDataFile(App& app);
void OpenDataFile(App& app);
void SaveDataFile(App& app);
void SaveDataFileAs(App& app);

}  // namespace kvx
