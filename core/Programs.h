#pragma once
// Starting the small programs that live beside kvx in the program folder: the help
// viewer, the self-test and the uninstaller.

#include <string>
#include <vector>

namespace kvx {

struct App;

// Starts PathSpec + name with args. When it cannot be started, says so plainly (what
// names it for the user) and returns false: never a silent nothing.
bool StartProgram(App& app, const std::string& name, const std::vector<std::string>& args,
                  bool wait, const std::string& what);

// The help viewer, with the program folder as its one argument, not waited for.
void StartHelpViewer(App& app);

}  // namespace kvx
