#pragma once
// The uninstaller's work, apart from its main function so that tests run it on a folder
// of their own: it removes the files its list names, the files the program made in its
// folder, then its list and itself, and the program folder once it is empty.

#include <filesystem>
#include <string>
#include <vector>

namespace kvx::uninstall {

struct UninstallResult {
  std::string error;                 // the list could not be used: nothing was removed
  std::vector<std::string> removed;  // full names, in the order removed
  std::vector<std::string> refused;  // list lines or names left alone, with the reason
  std::vector<std::string> failed;   // could not be removed, with the reason
  bool selfRemoved = false;          // the uninstaller and its list are gone
  bool folderRemoved = false;
};

// Uninstalls what the list beside program (the full name of unins###; its list is that
// name + ".dat") names. When a file cannot be removed, the uninstaller and its list stay,
// so that it can be run again.
UninstallResult Uninstall(const std::filesystem::path& program);

// The full name of the running program from its argv[0].
std::filesystem::path RunningProgram(const char* argv0);

// The question asked without "/SILENT", and whether an answer to it is yes.
std::string UninstallQuestion(const std::filesystem::path& folder);
bool IsYes(const std::string& answer);

}  // namespace kvx::uninstall
