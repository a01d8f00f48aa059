#include "install/UninstallList.h"

#include "InstallNames.h"
#include "base/Files.h"
#include "base/Text.h"

namespace kvx::uninstall {

namespace fs = std::filesystem;

namespace {

bool HasParentStep(const fs::path& path) {
  for (const fs::path& part : path)
    if (part == "..") return true;
  return false;
}

// The full name of a plain line, or empty when it is refused.
fs::path ProgramFile(const std::string& line, const fs::path& folder) {
  const fs::path name(line);
  if (HasParentStep(name)) return {};
  fs::path relative = name.lexically_normal();
  if (name.is_absolute()) {
    relative = relative.lexically_relative(folder);
    if (relative.empty() || HasParentStep(relative)) return {};
  }
  // A name ending in "/" or naming the folder itself is a folder, never a listed file.
  if (relative.empty() || relative == "." || !relative.has_filename()) return {};
  return folder / relative;
}

}  // namespace

UninstallList ParseUninstallList(const std::string& text, const fs::path& folder) {
  UninstallList list;
  if (text.size() > kMaxListBytes || text.find('\0') != std::string::npos) return list;
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty() || lines.front() != kListHeader) return list;
  list.valid = true;
  // Under the root there is no prefix to speak of: nothing there is accepted.
  const bool hasPrefix = folder.has_relative_path();
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    if (StartsWith(line, kPrefixMark)) {
      const std::string rest = line.substr(std::char_traits<char>::length(kPrefixMark));
      if (hasPrefix && (rest == kDesktopEntry || rest == kDesktopIcon))
        list.files.push_back({folder.parent_path() / rest, true});
      else
        list.refused.push_back(line);
      continue;
    }
    const fs::path path = ProgramFile(line, folder);
    if (path.empty())
      list.refused.push_back(line);
    else
      list.files.push_back({path, false});
  }
  return list;
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  // Iterative matching with one remembered "*": linear in practice, never recursive.
  std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  const auto same = [&](char a, char b) { return lower(a) == lower(b); };
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool IsUserFile(const std::string& name) {
  if (IsWorkName(name)) return true;
  for (const char* pattern : kUserFilePatterns)
    if (MatchesPattern(name, pattern)) return true;
  return false;
}

}  // namespace kvx::uninstall
