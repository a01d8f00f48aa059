// unins000: removes an installed Corvanta. kvx starts it with "/SILENT" after asking the
// user; started by hand it asks first.

#include <iostream>
#include <string>

#include "base/Text.h"
#include "install/Uninstaller.h"

int main(int argc, char** argv) {
  using namespace kvx::uninstall;
  bool silent = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (kvx::EqualsIgnoreCase(arg, "/SILENT") || arg == "--silent") {
      silent = true;
    } else {
      std::cerr << "Usage: " << argv[0] << " [/SILENT]\n";
      return 2;
    }
  }
  const std::filesystem::path program = RunningProgram(argc > 0 ? argv[0] : nullptr);
  if (program.empty()) {
    std::cerr << "The uninstaller cannot tell where it was started from.\n";
    return 1;
  }
  if (!silent) {
    std::cout << UninstallQuestion(program.parent_path()) << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer) || !IsYes(answer)) {
      std::cout << "Nothing was removed.\n";
      return 0;
    }
  }
  const UninstallResult result = Uninstall(program);
  if (!result.error.empty()) {
    std::cerr << result.error << " Nothing was removed.\n";
    return 1;
  }
  for (const std::string& name : result.refused) std::cerr << "Left alone: " << name << "\n";
  for (const std::string& name : result.failed) std::cerr << "Not removed: " << name << "\n";
  std::cout << "Removed " << result.removed.size() << " files";
  if (result.folderRemoved) std::cout << " and the folder " << program.parent_path().string();
  std::cout << ".\n";
  if (!result.failed.empty()) {
    std::cout << "Some files could not be removed; run " << program.string()
              << " again when they can.\n";
    return 1;
  }
  return 0;
}
