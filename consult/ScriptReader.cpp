#include "consult/ScriptReader.h"

#include "base/Errors.h"
#include "base/Files.h"
#include "base/Text.h"
#include "consult/ConsultState.h"

namespace kvx {

namespace {

const std::string kEnd = "@END";

std::string TrimTrailing(std::string line) {
  const std::size_t last = line.find_last_not_of(' ');
  line.erase(last == std::string::npos ? 0 : last + 1);
  return line;
}

int NumberOf(std::string_view digits) {
  return LeadingInt32(digits).value_or(0);
}

}  // namespace

std::string ScriptFileName(int topic) {
  return "F10" + std::to_string(topic) + ".DAT";
}

ScriptText ReadScript(const std::string& fullName, const std::string& company,
                      std::size_t helpLimit) {
  ScriptText text;
  text.script.emplace_back();  // slot 0 unused
  text.help.emplace_back();
  LineReader in(fullName);
  bool helpFound = false;
  while (!in.AtEnd()) {
    const std::string line = ReplaceAll(in.Next(), "|CONAME|", company);
    if (MarkerText(line) == "@HELP") {
      text.script.push_back(kEnd);
      helpFound = true;
      break;
    }
    // One slot stays for the line that ends the section.
    if (text.script.size() >= static_cast<std::size_t>(kScriptSlots - 1))
      Raise(kErrOutOfRange,
            " Script section of " + NameOf(fullName) + " is longer than 1,498 lines");
    text.script.push_back(TrimTrailing(line));
  }
  if (!helpFound) Raise(kErrInputPastEnd, " No @HELP line in " + NameOf(fullName));
  while (!in.AtEnd() && text.help.size() <= helpLimit) {
    text.help.push_back(ReplaceAll(in.Next(), "|CONAME|", company));
    if (TrimSpaces(text.help.back()) == kEnd) {
      text.helpEnded = true;
      break;
    }
  }
  return text;
}

std::string MarkerText(const std::string& line) {
  return Contains(line, "@") ? TrimSpaces(line) : line;
}

int LastTwoNumber(std::string_view line) {
  return NumberOf(line.substr(line.size() < 2 ? 0 : line.size() - 2));
}

int FirstTwoNumber(std::string_view line) {
  return NumberOf(line.substr(0, 2));
}

std::string QuestionMarker(int number) {
  if (number >= 0 && number <= 9) return "@Q0" + std::to_string(number);
  return "@Q" + std::to_string(number);
}

std::string HelpMarker(int number) {
  return std::string("@H\\") + (number >= 0 && number <= 9 ? "0" : "") + std::to_string(number);
}

Directive DirectiveOf(std::string_view text) {
  const std::string_view head = text.substr(0, 3);
  if (head == "@YN") return Directive::YesNo;
  if (head == "@MC") return Directive::Choice;
  if (head == "@GO") return Directive::GoTo;
  if (head == "@ST") return Directive::Stop;
  if (head == "@BR") return Directive::Branch;
  return Directive::Other;
}

QuestionBlock LocateQuestion(const std::vector<std::string>& script, const std::string& srch) {
  for (std::size_t i = 1; i < script.size(); ++i) {
    const std::string line = MarkerText(script[i]);
    if (line == kEnd) break;
    if (line != srch) continue;
    QuestionBlock block;
    block.marker = i;
    block.firstText = i + 1;
    for (std::size_t j = i + 1; j < script.size(); ++j) {
      const std::string text = MarkerText(script[j]);
      if (text == kEnd) break;
      if (StartsWith(text, "@")) {
        block.directive = j;
        return block;
      }
    }
    Raise(kErrInputPastEnd, " Unable to find SRCH$ item " + srch + " in file");
  }
  Raise(kErrInputPastEnd, " Unable to find SRCH$ item (" + srch + ") in file");
}

const std::string& ScriptSlot(const std::vector<std::string>& script, std::size_t i) {
  static const std::string kNone;
  return i < script.size() ? script[i] : kNone;
}

std::string ShownLine(const std::string& line) {
  return line.size() < 2 ? std::string() : line;
}

std::optional<std::size_t> FindReport(const std::vector<std::string>& script, int r) {
  for (std::size_t i = 1; i < script.size(); ++i) {
    const std::string line = MarkerText(script[i]);
    if (line == kEnd) break;
    if (StartsWith(line, "@RD") && LastTwoNumber(line) == r) return i;
  }
  return std::nullopt;
}

int Topic3Next(int a, bool inQuestion4) {
  switch (a) {
    case 2:
      return inQuestion4 ? 6 : 7;
    case 3:
      return inQuestion4 ? 8 : 9;
    case 4:
      return inQuestion4 ? 10 : 11;
    case 5:
      return inQuestion4 ? 13 : 14;
    default:
      return 0;
  }
}

}  // namespace kvx
