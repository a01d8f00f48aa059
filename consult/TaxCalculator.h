#pragma once
// The federal corporate income tax on an amount the user types: under the graduated
// rates, for a personal service corporation (a flat 35%), and for an S corporation.

#include <cstdint>
#include <optional>
#include <string>

namespace kvx {

struct App;

// The typed amount without its "$" and "," read as a number and rounded to a whole
// dollar, a half dollar away from zero; text that is not a number reads as 0. Empty when
// the amount lies beyond the 64-bit range.
std::optional<std::int64_t> TaxableIncome(const std::string& typed);

// The tax on income i in whole dollars, a half dollar rounded away from zero: regular
// (graduated) and personal service corporation (35%). Exact over the whole 64-bit range.
std::int64_t RegularCorporateTax(std::int64_t i);
std::int64_t PersonalServiceTax(std::int64_t i);

// 1234567 as "1,234,567".
std::string WithCommas(std::int64_t n);

// The calculator's input box and its result.
void CorporateTaxCalculator(App& app);

}  // namespace kvx
