#pragma once
// The federal corporate income tax by tax year, as a table of schedules: each holds for a
// span of tax years and has its steps (or one flat rate) and the message the calculator
// shows with it. The table is data (data/tax/corporate_tax.txt, compiled in), so a change
// of the law is a change of that file.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

// One step: when it holds (always, I > amount, or I >= amount), the tax is base dollars
// plus rate percent of (I - over), replacing the steps before it.
struct TaxStep {
  enum When { kAlways, kAbove, kAtOrAbove } when = kAlways;
  std::int64_t amount = 0;
  std::int64_t base = 0;
  int rate = 0;
  std::int64_t over = 0;
};

// Which message the calculator shows: the regular tax with a personal service
// corporation's and an S corporation's, or one flat rate for every C corporation.
enum class TaxMessage { kGraduated, kFlat };

struct TaxSchedule {
  int firstYear = 0;
  int lastYear = 0;  // 0: still in force
  TaxMessage message = TaxMessage::kGraduated;
  std::vector<TaxStep> steps;
  int flatRate = 0;             // for kFlat: the one rate
  int personalServiceRate = 0;  // for kGraduated
};

using TaxTable = std::vector<TaxSchedule>;

// Reads a table in the form of data/tax/corporate_tax.txt. A malformed line raises a
// KvxError whose text names the line.
TaxTable ParseTaxTable(const std::string& text);

// The table compiled into the program.
const TaxTable& CorporateTaxTable();

// The schedule that holds for a tax year, or null when none does.
const TaxSchedule* ScheduleForYear(const TaxTable& table, int taxYear);

// The tax on income i under a schedule, and a personal service corporation's, in whole
// dollars, a half dollar rounded away from zero. Exact over the whole 64-bit range.
std::int64_t ScheduleTax(const TaxSchedule& schedule, std::int64_t i);
std::int64_t PersonalServiceTax(const TaxSchedule& schedule, std::int64_t i);

}  // namespace kvx
