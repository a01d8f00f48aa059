#pragma once

#include <functional>
#include <string>

namespace kvx {

struct App;

// Runs program(app) in automation mode with the script at scriptPath ("-" for standard
// input), writing blocks to standard output. Returns the exit status: 0 when the program
// ended by itself, 3 after "== END", 4 after "== BAD", 2 when the script cannot be read.
int RunScripted(const std::string& scriptPath, const std::function<void(App&)>& program);

}  // namespace kvx
