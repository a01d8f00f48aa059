#pragma once
// Finds, before anyone plays it, every fault of a consultation script that would stop a
// session or leave a user without help: missing questions, blocks without a directive,
// choice lines that do not match their count, questions no path reaches, paths that
// never reach a conclusion, rounds through "@GO"/"@BR" that ask nothing, missing help and
// missing report blocks.

#include <string>
#include <vector>

namespace kvx {

struct ScriptProblem {
  int line = 0;  // line of the file, 0 for the file as a whole
  std::string message;
};

// Checks script file fullName as topic (1 to 7) plays it. Problems come in line order.
std::vector<ScriptProblem> CheckScript(const std::string& fullName, int topic);

}  // namespace kvx
