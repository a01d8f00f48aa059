#pragma once
// kvxbook check, consultation part: every script F101.DAT to F107.DAT of the program
// folder, each problem reported against the script's own line.

#include <string>

#include "CheckCommand.h"

namespace kvxbook {

void CheckScripts(const std::string& dir, CheckReport& report);

}  // namespace kvxbook
