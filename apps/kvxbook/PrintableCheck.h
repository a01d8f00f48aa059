#pragma once
// kvxbook check, printable part: every link of the one-file printable book lands.

#include <string>
#include <vector>

#include "CheckCommand.h"

namespace kvxbook {

// Builds, in a temporary copy of dir, the generic edition and a customised edition for
// each of the seven legal entities, for every state whose file is present; compiles each
// into the printable book with and without the business plan outline; and reports every
// link of the book that lands on neither an anchor of the book file nor a file copied
// beside it.
void CheckPrintableBooks(const std::string& dir, CheckReport& report);

// The links of a compiled book (bookFile its file name, text its contents) that land
// nowhere, each as the address and the top anchor of the part of the book it stands in
// (as "TOP_CHAP05"; "" for the contents at the file's start).
struct LostLink {
  std::string address;
  std::string part;
};
std::vector<LostLink> LostBookLinks(const std::string& bookFile, const std::string& text);

}  // namespace kvxbook
