#pragma once
// Reading the help text file HELP.TXT. A section begins at a tag line whose first six
// characters are "@I" and four digits; its text runs up to the next line holding "@"; a
// line beginning "@END" ends the help text. Three placeholders in text lines are filled
// in: "@STATE" (the state name in capitals), "@State" (as it is) and "@PATHSPEC" (the
// program folder); they do not end a section.

#include <cstddef>
#include <functional>
#include <string>

namespace kvx::help {

// The shown text is held to this size: a file of many megabytes still opens at once.
inline constexpr std::size_t kMaxHelpText = 1 << 20;

bool IsSectionTag(const std::string& line);  // "@I" + 4 digits at the start
bool IsHelpEnd(const std::string& line);     // "@END" at the start

// True when the line holds an "@" that is not part of a placeholder: such a line is a
// tag line, the end line, or a stray "@" that ends the section before it.
bool HoldsMark(const std::string& line);

std::string FillPlaceholders(const std::string& line, const std::string& stateName,
                             const std::string& pathSpec);

// Characters, not bytes, of UTF-8 text.
std::size_t CharacterCount(const std::string& text);

// Assembles the help for code ("@I0006|0035"): the lines of the first section, those of
// every section up to the last one (tag lines left out), then the last section's. Each
// text line is followed by one space, and a line shorter than 2 characters also by two
// line breaks, so that blank lines part paragraphs. next() gives the file's next line
// and raises error 62 past its end; "@END" before the start tag or inside a section
// that has not ended raises 62 too. stepMark follows the reading for the error report:
// empty while the start tag is searched, "Step1" once found, "Step2" after each further
// line, "Step3" while a tag line is tested.
std::string AssembleHelp(const std::function<std::string()>& next, const std::string& code,
                         const std::string& stateName, const std::string& pathSpec,
                         std::string& stepMark);

}  // namespace kvx::help
