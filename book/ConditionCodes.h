#pragma once
// The numbered condition codes that templates name to include or leave out passages.

#include <cstdint>

namespace kvx {

struct CompanyProfile;
struct StateTable;

// 1 when the condition the code names holds for the company, 0 otherwise. Every code
// that no test knows yields 0. Reads only; may be called in any order.
std::int32_t CheckCode(const CompanyProfile& profile, const StateTable& states, std::int32_t code);

// True when some test knows the code (the checker of template files asks this).
bool IsKnownCode(std::int32_t code);

}  // namespace kvx
