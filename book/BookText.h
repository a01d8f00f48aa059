#pragma once
// Text helpers of the book engine, beside the shared ones: reading codes and walking the
// lines of a page without copying it.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace kvx {

// The number at the start of text: blanks skipped, an optional sign, then digits; 0 when
// there is none. A number beyond 32 bits gives -1, a code that no test knows.
inline std::int32_t LeadingCode(std::string_view text) {
  return LeadingInt32(text).value_or(-1);
}

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

}  // namespace kvx
