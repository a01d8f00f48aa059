#pragma once
// What the interview does to the text a user typed before it keeps it: names and
// descriptions go into one line of a data set and into the book's pages, so they must
// stay one line and be cut at whole characters.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kvx {

// Control characters (line ends, tabs, NUL and the like) become blanks: a data set
// holds one value a line, and a line end inside a name would shift every line after it.
std::string WithoutControls(std::string text);

// True when the text is empty or holds only blanks.
bool IsBlank(const std::string& text);

// The first count characters of a UTF-8 text, never cutting inside a character.
std::string CutToCharacters(const std::string& text, std::size_t count);

// First letter of each blank-separated word upper case, the rest lower case (ASCII
// letters only; other characters stay as they are).
std::string MixedCase(std::string text);

// The employee count an answer gives: commas dropped, the leading whole number taken,
// capped at 1,000,000. Empty when the answer does not begin with a digit (leading blanks
// aside): a negative number, a sign, or words.
std::optional<std::int32_t> EmployeeCount(const std::string& answer);

}  // namespace kvx
