#include "helpviewer/HelpFile.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/Text.h"

namespace kvx::help {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool IsSectionTag(const std::string& line) {
  return line.size() >= 6 && StartsWith(line, "@I") &&
         std::all_of(line.begin() + 2, line.begin() + 6, IsDigit);
}

bool IsHelpEnd(const std::string& line) {
  return StartsWith(line, "@END");
}

bool HoldsMark(const std::string& line) {
  if (!Contains(line, "@")) return false;
  // The test is made on the line without its placeholders rather than after filling
  // them in, so that a state name or a folder holding "@" cannot end a section.
  std::string bare = ReplaceAll(line, "@STATE", "");
  bare = ReplaceAll(bare, "@State", "");
  bare = ReplaceAll(bare, "@PATHSPEC", "");
  return Contains(bare, "@");
}

std::string FillPlaceholders(const std::string& line, const std::string& stateName,
                             const std::string& pathSpec) {
  if (!Contains(line, "@")) return line;
  std::string filled = ReplaceAll(line, "@STATE", UpperAscii(stateName));
  filled = ReplaceAll(filled, "@State", stateName);
  return ReplaceAll(filled, "@PATHSPEC", pathSpec);  // last: a folder is never searched again
}

std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string AssembleHelp(const std::function<std::string()>& next, const std::string& code,
                         const std::string& stateName, const std::string& pathSpec,
                         std::string& stepMark) {
  const std::string startTag = code.substr(0, 6);
  const std::string endTag = "@I" + (code.size() >= 4 ? code.substr(code.size() - 4) : code);
  stepMark.clear();
  for (;;) {
    const std::string line = next();
    if (IsHelpEnd(line)) Raise(kErrInputPastEnd, "Searching HELP.TXT for " + startTag);
    if (line.compare(0, 6, startTag) == 0) break;
  }
  stepMark = "Step1";

  std::string text;
  bool full = false;
  const auto append = [&](const std::string& line) {
    text.append(line, 0, std::min(line.size(), kMaxHelpText - text.size()));
    text += ' ';
    if (CharacterCount(line) < 2) text += "\r\n\r\n";
    full = text.size() >= kMaxHelpText;
  };

  bool ended = false;  // "@END" met between the first and the last section
  if (endTag != startTag) {
    while (!full) {
      const std::string raw = next();
      const std::string line = FillPlaceholders(raw, stateName, pathSpec);
      stepMark = "Step2";
      if (!HoldsMark(raw)) {
        append(line);
        continue;
      }
      stepMark = "Step3";
      if (IsHelpEnd(raw)) {
        ended = true;
        break;
      }
      if (raw.compare(0, 6, endTag) == 0) break;
      // Any other tag line: a section between the first and the last, shown untagged.
    }
  }
  while (!ended && !full) {
    const std::string raw = next();
    const std::string line = FillPlaceholders(raw, stateName, pathSpec);
    stepMark = "Step2";
    if (HoldsMark(raw)) break;
    append(line);
  }
  return text;
}

}  // namespace kvx::help
