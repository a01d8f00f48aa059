#pragma once
// The consultation scripts F101.DAT to F107.DAT: how they are read and how their lines
// are understood. The interpreter plays them; kvxbook check walks them with the same
// reading, so that a script that checks clean plays as it reads.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// "F101.DAT" for topic 1.
std::string ScriptFileName(int topic);

struct ScriptText {
  // Slot 1 is the file's first line, so a slot number is a line number. The line that
  // starts the help section ("@HELP") is stored as "@END" and is the last slot.
  std::vector<std::string> script;
  // Help lines as read, slot 1 the line after "@HELP"; at most 499 are kept, the rest
  // is never searched.
  std::vector<std::string> help;
  bool helpEnded = false;  // a line "@END" closes the help section
};

// Reads a script file, each "|CONAME|" replaced by company. Raises 53 when the file is
// missing, 62 when the script section has no "@HELP" line, and 9 when the script section
// is longer than the 1,498 lines a script may have. Help lines past helpLimit are not
// read.
ScriptText ReadScript(const std::string& fullName, const std::string& company,
                      std::size_t helpLimit = 499);

// A script line as markers are compared: trimmed when it holds an "@", else as it is.
std::string MarkerText(const std::string& line);

// The number the last two (first two) characters of a line read as; 0 when none.
int LastTwoNumber(std::string_view line);
int FirstTwoNumber(std::string_view line);

// "@Q05" for 5: two digits for 0 to 99, the plain number otherwise.
std::string QuestionMarker(int number);
// "@H\05": the marker of question 5's help block.
std::string HelpMarker(int number);

// The directive of a question block, by its first three characters.
enum class Directive { YesNo, Choice, GoTo, Stop, Branch, Other };
Directive DirectiveOf(std::string_view directiveText);

// Where a question stands in the script.
struct QuestionBlock {
  std::size_t marker = 0;     // slot of the marker line
  std::size_t firstText = 0;  // slots firstText .. directive-1 are its text lines
  std::size_t directive = 0;  // slot of the directive line
};

// Finds question srch the way the interpreter does: the first slot equal to it, then
// its text lines up to the first line that begins with "@". Raises 62 with the
// interpreter's diagnostic when the marker or the directive is missing.
QuestionBlock LocateQuestion(const std::vector<std::string>& script, const std::string& srch);

// Slot i of the script, or "" past its end (outcome and choice lines looked up after the
// last directive).
const std::string& ScriptSlot(const std::vector<std::string>& script, std::size_t i);

// A text line as the session window shows it: an empty line for one shorter than two
// characters.
std::string ShownLine(const std::string& line);

// The slot of report block r's marker ("@RD" ... two digits r); nullopt when "@END" comes
// first.
std::optional<std::size_t> FindReport(const std::vector<std::string>& script, int r);

// The built-in branch rule of topic 2: the report to show for the answers (0 for none),
// then question 15. Tests in order, each later one overriding.
struct ReportRule {
  int question;
  const char* answer;
  int report;
};
inline constexpr ReportRule kTopic2Rules[] = {{1, "No", 1},    {3, "Yes", 3},  {6, "Yes", 3},
                                              {5, "No", 3},    {8, "Yes", 8},  {9, "Yes", 9},
                                              {10, "Yes", 10}, {11, "Yes", 11}};
inline constexpr int kTopic2Next = 15;

// The built-in branch rule of topic 3: the next question for first answer a, when the
// branch stands in question 4 or elsewhere; 0 when a is not 2 to 5.
int Topic3Next(int a, bool inQuestion4);

}  // namespace kvx
