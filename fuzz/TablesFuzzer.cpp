// The edition's tables read from arbitrary bytes: the figure tables that kvxbook check
// reads from a program folder (FIGURES.TXT, STATE_FIGURES.TXT) and the calculator's table
// of tax schedules. Bad rows are reported, never a crash; every figure listed as not
// known comes from a row that was read; a schedule read computes a tax for any income.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "FiguresCheck.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "consult/TaxSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = kvx::SplitLines(text);
  for (const bool byState : {false, true}) {
    const kvxbook::FigureTable table = kvxbook::ReadFigureTable(lines, byState);
    for (const kvxbook::DatedFigure& figure : kvxbook::FiguresNotKnownFor(table, 2026)) {
      if (figure.line < 1 || static_cast<std::size_t>(figure.line) > lines.size()) std::abort();
      if (figure.year >= 2026) std::abort();
      kvxbook::NotKnownLine(figure, 2026);
    }
  }
  try {
    const kvx::TaxTable table = kvx::ParseTaxTable(text);
    for (const kvx::TaxSchedule& schedule : table) {
      for (const std::int64_t income :
           {std::int64_t{0}, std::int64_t{250000}, std::numeric_limits<std::int64_t>::max(),
            std::numeric_limits<std::int64_t>::min()}) {
        kvx::ScheduleTax(schedule, income);
        kvx::PersonalServiceTax(schedule, income);
      }
    }
  } catch (const kvx::KvxError&) {
    // A malformed table is refused with its line: that is the expected answer.
  }
  return 0;
}
