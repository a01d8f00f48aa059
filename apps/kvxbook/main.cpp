// kvxbook: builds, prints and checks book editions from the command line, using the
// same library code as kvx. What the program would show is written to standard output
// as automation blocks.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
  if (argc < 2) return kvxbook::Usage();
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const kvxbook::Command& command : kvxbook::AllCommands()) {
    if (name != command.name) continue;
    try {
      return command.run(args);
    } catch (const std::exception& e) {  // for example a file too big to hold in memory
      std::cerr << "kvxbook: " << e.what() << "\n";
      return kvxbook::kFailed;
    }
  }
  return kvxbook::Usage();
}
