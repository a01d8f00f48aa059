#pragma once
// kvxbook check, help part: HELP.TXT holds a tag for every section the help viewer's
// topics name, in an order that lets each topic be read from its first section to its
// last; no stray "@" ends a section early; the file ends with "@END".

#include <string>
#include <vector>

#include "CheckCommand.h"

namespace kvxbook {

struct HelpProblem {
  int line = 0;  // from 1; 0 for a problem of the whole file
  std::string message;
};

std::vector<HelpProblem> CheckHelpText(const std::vector<std::string>& lines);

// Checks dir's HELP.TXT; a folder without one is not a program folder of the help
// viewer, and only a note says so.
void CheckHelp(const std::string& dir, CheckReport& report);

}  // namespace kvxbook
