#pragma once
// Text helpers of the book engine, beside the shared ones (base/Text.h): reading codes.

#include <cstdint>
#include <string_view>

#include "base/Text.h"

namespace kvx {

// The number at the start of text: blanks skipped, an optional sign, then digits; 0 when
// there is none. A number beyond 32 bits gives -1, a code that no test knows.
inline std::int32_t LeadingCode(std::string_view text) {
  return LeadingInt32(text).value_or(-1);
}

}  // namespace kvx
