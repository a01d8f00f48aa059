#include "Commands.h"

#include <iostream>

namespace kvxbook {

int RunBuild(const std::vector<std::string>& args);
int RunPrint(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunEncode(const std::vector<std::string>& args);
int RunDecode(const std::vector<std::string>& args);
int RunIndex(const std::vector<std::string>& args);
int RunOpen(const std::vector<std::string>& args);
int RunMenus(const std::vector<std::string>& args);

const std::vector<Command>& AllCommands() {
  // New commands register here: declare their run function above and add a row.
  static const std::vector<Command> commands = {
      {"build", "DIR [DATASET] [--generic]", RunBuild},
      {"build", "DIR DATASET... | --all, --out FOLDER [--generic] [-j N]", RunBuild},
      {"print", "DIR [DATASET] [--outline]", RunPrint},
      {"print", "DIR DATASET... | --all, --out FOLDER [--outline] [-j N]", RunPrint},
      {"check", "DIR", RunCheck},
      {"encode", "FILE", RunEncode},
      {"decode", "FILE", RunDecode},
      {"index", "DIR CODE [--generic]", RunIndex},
      {"open", "DIR [--state CODE] ADDRESS...", RunOpen},
      {"menus", "DIR [DATASET] [--generic]", RunMenus},
  };
  return commands;
}

int Usage() {
  std::cerr << "usage:\n";
  for (const Command& c : AllCommands())
    std::cerr << "  kvxbook " << c.name << " " << c.usage << "\n";
  return kUsage;
}

}  // namespace kvxbook
