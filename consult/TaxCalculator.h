#pragma once
// The federal corporate income tax on an amount the user types, under the schedule of
// the edition's tax year (consult/TaxSchedule.h): the regular tax, and what a personal
// service corporation or an S corporation owes where the schedule's message says so.

#include <cstdint>
#include <optional>
#include <string>

#include "consult/TaxSchedule.h"

namespace kvx {

struct App;

// The typed amount without its "$" and "," read as a number and rounded to a whole
// dollar, a half dollar away from zero; text that is not a number reads as 0. Empty when
// the amount lies beyond the 64-bit range.
std::optional<std::int64_t> TaxableIncome(const std::string& typed);

// 1234567 as "1,234,567".
std::string WithCommas(std::int64_t n);

// The calculator's input box and its result, for the edition's tax year or another.
void CorporateTaxCalculator(App& app);
void CorporateTaxCalculator(App& app, int taxYear);

}  // namespace kvx
