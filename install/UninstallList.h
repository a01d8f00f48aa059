#pragma once
// The uninstall list, unins###.dat beside the uninstaller: the files the installation put
// down. After the header line, one name a line, relative to the program folder; the
// desktop's menu entry and its icon, which lie under the installation prefix (the folder
// above the program folder), as "prefix:" and their place there. Empty lines and lines
// beginning with "#" are skipped. A name that would reach outside the program folder is
// refused, and under the prefix only those two files are ever accepted.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kvx::uninstall {

inline constexpr const char* kPrefixMark = "prefix:";

// Far above any installation, small enough to read at once.
inline constexpr std::size_t kMaxListBytes = 4u << 20;

struct ListedFile {
  std::filesystem::path path;  // full name
  bool shared = false;         // under the prefix, not in the program folder
};

struct UninstallList {
  bool valid = false;  // false: not an uninstall list at all (no header, binary bytes)
  std::vector<ListedFile> files;
  std::vector<std::string> refused;  // lines naming something outside, as read
};

// Parses a list for the program folder, a full name without a trailing "/".
UninstallList ParseUninstallList(const std::string& text, const std::filesystem::path& folder);

// True when a file name is one the program makes in its folder (company data sets,
// session files, the built book, work files), letter case ignored.
bool IsUserFile(const std::string& name);

// "*" matches any run of characters, "?" one; letters match ignoring ASCII case.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace kvx::uninstall
