#pragma once

#include <functional>
#include <string>

namespace kvx {

class Ui;
class System;

// Runs program(ui, system) in automation mode with the script at scriptPath ("-" for standard
// input), writing blocks to standard output. Returns the exit status: 0 when the program
// ended by itself, 3 after "== END", 4 after "== BAD", 2 when the script cannot be read.
int RunScripted(const std::string& scriptPath, const std::function<void(Ui&, System&)>& program);

}  // namespace kvx
