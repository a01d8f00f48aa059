#pragma once
// kvxbook check, navigation part: every place the topic index and the picture menus
// open must exist in the book as it is built for each state and edition.

#include <set>
#include <string>
#include <string_view>

#include "CheckCommand.h"

namespace kvxbook {

// Builds, in a temporary copy of dir, the generic edition and a customised edition for
// each of the seven legal entities, for every state whose file is present, and reports
// each index row and menu label whose page was not built or lacks the anchor; and the same
// for every link of the pages' reading bars, of topics.htm and of the search index.
void CheckNavigation(const std::string& dir, CheckReport& report);

// A stored template reduced to what decides the anchors of its page, stored the same way:
// lines with "@" (directives and tokens), lines that may hold part of an anchor and the
// lines of the reading bar stay; each run of other lines becomes one line. A page built
// from it has every anchor whose name holds no line break that the page built from the
// template has, and no other, and the same reading bars.
std::string TemplateSkeleton(std::string_view storedText);

// The anchor names of a page: every <A NAME="..."> (any letter case of the tag).
std::set<std::string> PageAnchors(const std::string& html);

}  // namespace kvxbook
