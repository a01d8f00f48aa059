#pragma once
// Reading the hand-off file of the quick-message program.

#include <string>

namespace qm {

// The message to show from the folder's TMP_QM.DAT (name found ignoring letter case):
// its first line with each "@@@" as a line break. When the file is missing or empty,
// a message that says so.
std::string MessageFromFolder(const std::string& folder);

}  // namespace qm
