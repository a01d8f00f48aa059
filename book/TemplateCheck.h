#pragma once
// Checks of template files and state files for the people who write book editions:
// every problem the book build would meet, with the line it is on.

#include <string>
#include <vector>

namespace kvx {

struct TemplateProblem {
  int line = 0;  // from 1
  std::string message;
};

// Problems of a template: undecodable lines, unbalanced or misplaced directives,
// unrecognised directives, codes no test knows, @INSERT lines that name no key.
std::vector<TemplateProblem> CheckTemplate(const std::vector<std::string>& rawLines);

// Problems of the state file of state row `row` (1 to 51): undecodable lines, missing
// section anchors, a missing identity anchor or one that names another row.
std::vector<TemplateProblem> CheckStateFile(const std::vector<std::string>& rawLines, int row);

// The first stored byte that the line encoding never produces (32 to 51), or -1.
int UndecodableByte(const std::string& rawLine);

}  // namespace kvx
