#include "consult/TaxSchedule.h"

#include <charconv>
#include <sstream>

#include "base/Errors.h"
#include "base/Files.h"

namespace kvx {

namespace {

// The table as compiled in from data/tax/corporate_tax.txt.
constexpr const char* kCompiledTable =
#include "CorporateTax.inc"
    ;

// 128 bits: any rate of any 64-bit amount, in hundredths, fits with room to spare.
__extension__ typedef __int128 Wide;

// Hundredths of a dollar to whole dollars, a half away from zero.
std::int64_t RoundCents(Wide cents) {
  const Wide whole = cents >= 0 ? (cents + 50) / 100 : -((-cents + 50) / 100);
  return static_cast<std::int64_t>(whole);
}

[[noreturn]] void Bad(int line, const std::string& what) {
  Raise(kErrIllegalCall, "corporate tax table, line " + std::to_string(line) + ": " + what);
}

// A whole number of the line, within lo and hi.
std::int64_t Number(const std::string& word, std::int64_t lo, std::int64_t hi, int line) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  const auto [at, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc() || at != end || value < lo || value > hi)
    Bad(line, "\"" + word + "\" is not a whole number from " + std::to_string(lo) + " to " +
                  std::to_string(hi));
  return value;
}

int Rate(const std::string& word, int line) {
  return static_cast<int>(Number(word, 0, 100, line));
}

constexpr std::int64_t kDollars = INT64_MAX / 100;  // a base stays exact in hundredths

// Checks the schedule just finished.
void Finish(const TaxSchedule& s, int line) {
  if (s.message == TaxMessage::kFlat) {
    if (!s.steps.empty() || s.personalServiceRate != 0)
      Bad(line, "a flat schedule has only its \"flat\" rate");
    if (s.flatRate == 0) Bad(line, "the flat schedule has no \"flat\" rate");
  } else {
    if (s.steps.empty() || s.steps.front().when != TaxStep::kAlways)
      Bad(line, "a graduated schedule begins with \"bracket all\"");
    if (s.personalServiceRate == 0) Bad(line, "the schedule has no \"personal-service\" rate");
  }
}

}  // namespace

TaxTable ParseTaxTable(const std::string& text) {
  TaxTable table;
  int number = 0;
  int opened = 0;  // the line of the schedule being read
  for (const std::string& raw : SplitLines(text)) {
    ++number;
    std::istringstream in(raw);
    std::vector<std::string> w;
    for (std::string word; in >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') continue;
    if (w[0] == "schedule") {
      if (w.size() != 4) Bad(number, "write \"schedule FIRST LAST MESSAGE\"");
      if (opened) Finish(table.back(), opened);
      TaxSchedule s;
      s.firstYear = static_cast<int>(Number(w[1], 1, 9999, number));
      s.lastYear = w[2] == "on" ? 0 : static_cast<int>(Number(w[2], s.firstYear, 9999, number));
      if (w[3] == "graduated")
        s.message = TaxMessage::kGraduated;
      else if (w[3] == "flat")
        s.message = TaxMessage::kFlat;
      else
        Bad(number, "the message is \"graduated\" or \"flat\", not \"" + w[3] + "\"");
      if (!table.empty() &&
          (table.back().lastYear == 0 || s.firstYear != table.back().lastYear + 1))
        Bad(number, "the schedule does not begin the year after the one before it ends");
      table.push_back(s);
      opened = number;
      continue;
    }
    if (!opened) Bad(number, "\"" + w[0] + "\" before the first \"schedule\"");
    TaxSchedule& s = table.back();
    if (w[0] == "bracket" && w.size() == 6) {
      TaxStep step;
      if (w[1] == "all")
        step.when = TaxStep::kAlways;
      else if (w[1] == ">")
        step.when = TaxStep::kAbove;
      else if (w[1] == ">=")
        step.when = TaxStep::kAtOrAbove;
      else
        Bad(number, "a bracket holds for \"all\", \">\" or \">=\", not \"" + w[1] + "\"");
      if (step.when == TaxStep::kAlways && !s.steps.empty())
        Bad(number, "only the first bracket holds for \"all\"");
      step.amount = Number(w[2], 0, INT64_MAX, number);
      step.base = Number(w[3], 0, kDollars, number);
      step.rate = Rate(w[4], number);
      step.over = Number(w[5], 0, INT64_MAX, number);
      s.steps.push_back(step);
    } else if (w[0] == "flat" && w.size() == 2) {
      s.flatRate = Rate(w[1], number);
    } else if (w[0] == "personal-service" && w.size() == 2) {
      s.personalServiceRate = Rate(w[1], number);
    } else {
      Bad(number, "not a \"bracket\", \"flat\" or \"personal-service\" line: " + raw);
    }
  }
  if (!opened) Bad(number, "the table has no schedule");
  Finish(table.back(), opened);
  return table;
}

const TaxTable& CorporateTaxTable() {
  static const TaxTable table = ParseTaxTable(kCompiledTable);
  return table;
}

const TaxSchedule* ScheduleForYear(const TaxTable& table, int taxYear) {
  for (const TaxSchedule& s : table)
    if (taxYear >= s.firstYear && (s.lastYear == 0 || taxYear <= s.lastYear)) return &s;
  return nullptr;
}

std::int64_t ScheduleTax(const TaxSchedule& schedule, std::int64_t income) {
  const Wide i = income;
  if (schedule.message == TaxMessage::kFlat) return RoundCents(schedule.flatRate * i);
  // In hundredths of a dollar, so that every step is exact.
  Wide cents = 0;
  for (const TaxStep& step : schedule.steps) {
    const bool holds = step.when == TaxStep::kAlways ||
                       (step.when == TaxStep::kAbove && i > step.amount) ||
                       (step.when == TaxStep::kAtOrAbove && i >= step.amount);
    if (holds) cents = Wide{step.base} * 100 + step.rate * (i - step.over);
  }
  return RoundCents(cents);
}

std::int64_t PersonalServiceTax(const TaxSchedule& schedule, std::int64_t income) {
  return RoundCents(schedule.personalServiceRate * Wide{income});
}

}  // namespace kvx
