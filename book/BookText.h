#pragma once
// Small text helpers the book engine shares: case-sensitive substring tests and
// replacement that never searches inserted text again.

#include <cstdint>
#include <string>
#include <string_view>

namespace kvx {

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

inline bool StartsWith(std::string_view text, std::string_view part) {
  return text.substr(0, part.size()) == part;
}

// Replaces every occurrence of from, left to right, continuing after each insertion.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

// The number at the start of text: blanks skipped, an optional sign, then digits; 0 when
// there is none. A number beyond 32 bits gives -1, a code that no test knows.
std::int32_t LeadingCode(std::string_view text);

// Calls f(line) for each line of text, split as SplitLines splits (at LF, one CR before
// it dropped; a last line without a line end counts), without copying the text.
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

// & < > and " as HTML entities, for values the user typed.
std::string EscapeHtml(std::string_view text);

}  // namespace kvx
