#pragma once
// Runs one of the built programs as a person would, and collects what it writes.

#include <string>
#include <utility>
#include <vector>

namespace kvx::test {

struct ProgramResult {
  int status = -1;  // exit status, or -1 when it did not exit normally
  std::string out;  // standard output
};

// Starts argv (no shell) with extra "NAME=value" entries added to the environment,
// feeding input on standard input; waits at most timeoutSeconds.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment = {},
                         const std::string& input = {}, int timeoutSeconds = 60);

// The program folder the build made (build/Corvanta/).
std::string BuiltProgramFolder();

}  // namespace kvx::test
