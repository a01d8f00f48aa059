#include "helpviewer/HelpStart.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "base/Files.h"
#include "base/Text.h"

namespace fs = std::filesystem;

namespace kvx::help {

namespace {

// Session files and data sets hold short lines: a longer first line means the file is
// not one of them (a binary file, say), and reading stops there.
constexpr std::size_t kMaxFirstLine = 512;

std::optional<std::string> FirstLine(const std::string& fullName) {
  const std::string path = Resolve(fullName);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string line;
  char c;
  while (in.get(c)) {
    if (c == '\n') break;
    if (line.size() == kMaxFirstLine) return std::nullopt;
    line += c;
  }
  if (line.empty() && !in) return std::nullopt;  // an empty file: input past its end
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool IsPrintable(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return true;
}

// A state name as a data set or GENERIC.TXT holds one. An "@" would end a help section
// once filled in, so it does not count as a name either.
std::optional<std::string> StateNameLine(const std::string& fullName) {
  std::optional<std::string> line = FirstLine(fullName);
  if (!line || !IsPrintable(*line) || Contains(*line, "@")) return std::nullopt;
  return line;
}

bool ClimbsOut(const std::string& argument) {
  std::size_t start = 0;
  while (start <= argument.size()) {
    std::size_t slash = argument.find('/', start);
    if (slash == std::string::npos) slash = argument.size();
    if (argument.compare(start, slash - start, "..") == 0) return true;
    start = slash + 1;
  }
  return false;
}

}  // namespace

std::string ReadStateName(const std::string& folder) {
  const std::optional<std::string> dataSet = FirstLine(folder + "LASTDATA.TXT");
  if (!dataSet || !IsPlainFileName(*dataSet) || !IsPrintable(*dataSet)) return kYourState;
  std::optional<std::string> name = StateNameLine(folder + *dataSet);
  if (!name) return kYourState;
  if (Exist(folder + "GENERIC.TXT")) name = StateNameLine(folder + "GENERIC.TXT");
  return name && !name->empty() ? *name : kYourState;
}

HelpStart StartHelp(const std::string& argument) {
  HelpStart start;
  start.pathSpec = argument;
  if (!argument.empty()) {
    std::error_code ec;
    if (ClimbsOut(argument) || argument.find('\0') != std::string::npos ||
        !fs::is_directory(argument, ec)) {
      start.readable = false;
      return start;
    }
    // The program passes its folder with the trailing "/"; a folder typed without one
    // still names the same place.
    if (start.pathSpec.back() != '/') start.pathSpec += '/';
  }
  start.stateName = ReadStateName(start.pathSpec);
  return start;
}

}  // namespace kvx::help
