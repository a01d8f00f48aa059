#pragma once
// The commands of kvxbook. Each command lives in its own source file and is listed
// once, in the table of Commands.cpp.

#include <string>
#include <vector>

namespace kvxbook {

// Exit statuses shared by the commands.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kQuestion = 3;  // a real question ended the batch ("== END")

struct Command {
  const char* name;
  const char* usage;  // the arguments, as the usage text shows them
  int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& AllCommands();

// Writes the usage text to standard error and returns kUsage.
int Usage();

}  // namespace kvxbook
