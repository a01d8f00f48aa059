#pragma once
// kvxbook check, navigation part: every place the topic index and the picture menus
// open must exist in the book as it is built for each state and edition.

#include <set>
#include <string>

#include "CheckCommand.h"

namespace kvxbook {

// Builds, in a temporary copy of dir, the generic edition and a customised edition for
// each of the seven legal entities, for every state whose file is present, and reports
// each index row and menu label whose page was not built or lacks the anchor.
void CheckNavigation(const std::string& dir, CheckReport& report);

// The anchor names of a page: every <A NAME="..."> (any letter case of the tag).
std::set<std::string> PageAnchors(const std::string& html);

}  // namespace kvxbook
