#pragma once
// Text helpers every part shares. Letter case is changed for ASCII letters only: names and
// values the user typed may hold other bytes, which stay as they are.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

inline char UpperAsciiChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperAscii(std::string text);
std::string LowerAscii(std::string text);
bool EqualsIgnoreCase(const std::string& a, const std::string& b);

// Removes leading and trailing spaces (spaces only, not tabs).
std::string TrimSpaces(const std::string& text);
// The same as a view of the text.
std::string_view TrimmedView(std::string_view text);

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

inline bool StartsWith(std::string_view text, std::string_view part) {
  return text.substr(0, part.size()) == part;
}

// Replaces every occurrence of from, left to right, continuing after each insertion, so
// inserted text is never searched again.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

// The number of characters of a UTF-8 text (bytes that do not continue a sequence).
std::size_t Utf8Length(std::string_view text);

// & < > and " as HTML entities: for values the user typed and for file names put into
// attributes.
std::string EscapeHtml(std::string_view text);
void AppendEscapedHtml(std::string& out, std::string_view text);

// The number text starts with, as the runtime reads one: the given blanks skipped, an
// optional sign, then digits; 0 when there is none. Empty when it does not fit in 32 bits.
std::optional<std::int32_t> LeadingInt32(std::string_view text, std::string_view blanks = " ");

// Calls f(line) for each line of text, split at LF with one CR before it dropped (a last
// line without a line end counts; an empty text has no lines), without copying the text.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    f(text.substr(start, stop - start));
    start = end + 1;
  }
}

// The lines of a text, split as ForEachLine splits.
std::vector<std::string> SplitLines(std::string_view text);

// Lines joined with CR LF after each.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace kvx
