#pragma once
// Program entry and the restore of the last session.

#include <string>

namespace kvx {

struct App;

// Runs the program as its entry does: tail is the command line after the program name
// ("INSTALL" selects install mode; any other tail is ignored).
void ProgramEntry(App& app, const std::string& tail);

// Sets PathSpec (the folder of the running program, ending in "/") and DrivePath, and
// makes PathSpec the current folder.
void FindDrivePath(App& app);

// Always empty here: there is no Windows version to classify.
std::string GetWinVersion();

// The installer's post-step.
void InstallMode(App& app);

// Restores the last session, or runs the first-run state choice and interview.
void Startup(App& app, int mode);

}  // namespace kvx
