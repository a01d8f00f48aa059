#include "consult/TaxCalculator.h"

#include <limits>

#include "consult/ConsultState.h"
#include "core/App.h"
#include "core/Edition.h"
#include "core/Messages.h"

namespace kvx {

namespace {

__extension__ typedef __int128 Wide;  // room for any 64-bit amount and its digits

}  // namespace

std::optional<std::int64_t> TaxableIncome(const std::string& typed) {
  std::string text;
  for (char c : typed)
    if (c != '$' && c != ',') text += c;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // Beyond 2^63 the amount is out of range whatever follows; stop counting there.
  constexpr Wide kBeyond = Wide{1} << 64;
  Wide magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (magnitude < kBeyond) magnitude = magnitude * 10 + (text[i] - '0');
  if (i + 1 < text.size() && text[i] == '.' && text[i + 1] >= '5' && text[i + 1] <= '9')
    ++magnitude;
  const Wide limit = negative ? -Wide{std::numeric_limits<std::int64_t>::min()}
                              : Wide{std::numeric_limits<std::int64_t>::max()};
  if (magnitude > limit) return std::nullopt;
  return static_cast<std::int64_t>(negative ? -magnitude : magnitude);
}

namespace {

// The result box's text for income i (more than 2) under a schedule, for a tax year.
std::string TaxMessageText(const TaxSchedule& schedule, int taxYear, std::int64_t i,
                           const std::string& company) {
  const std::string opening =
      "Corporate income tax (federal) on taxable income of $" + WithCommas(i);
  const std::string sCorporation =
      "\r\rOr, if " + company +
      " is an S corporation, the tax is:\r\r$0.** (Income is taxed to shareholders "
      "instead.)\r\r(** Ordinarily, unless there is a special S corporation tax, such\ras on "
      "built-in gains or excess passive income.)";
  if (schedule.message == TaxMessage::kFlat)
    // The schedule's first year is the first tax year "beginning after" the old one.
    return opening + " for tax year " + std::to_string(taxYear) + " is:\r\r$" +
           WithCommas(ScheduleTax(schedule, i)) + "\r\r(A flat " +
           std::to_string(schedule.flatRate) +
           "% rate applies to every C corporation, personal service\rcorporations included, for "
           "tax years beginning after " +
           std::to_string(schedule.firstYear - 1) + ".)" + sCorporation;
  return opening + " is:\r\r$" + WithCommas(ScheduleTax(schedule, i)) + "\r\rOr, if " + company +
         " is a \"personal service corporation\" subject\rto a flat " +
         std::to_string(schedule.personalServiceRate) + "% tax rate, the tax is: \r\r$" +
         WithCommas(PersonalServiceTax(schedule, i)) + sCorporation;
}

}  // namespace

std::string WithCommas(std::int64_t n) {
  // The magnitude of the most negative value does not fit in a signed 64-bit number.
  unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  std::string digits = std::to_string(magnitude);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return (n < 0 ? "-" : "") + digits;
}

void CorporateTaxCalculator(App& app, int taxYear) {
  const std::optional<std::string> typed =
      app.ui.Input("Corporate Income Tax Calculator",
                   "To calculate federal corporate income tax on a given amount of taxable income, "
                   "enter taxable income (OK to enter $, commas, or decimals):",
                   "$0");
  std::string rest;
  for (char c : typed.value_or(""))
    if (c != '$' && c != ',') rest += c;
  if (rest.empty()) return;
  const std::optional<std::int64_t> income = TaxableIncome(rest);
  if (!income) {
    app.ui.ShowMessage(Box("Corporate Tax Calculator",
                           "The amount entered is too large for the calculator: taxable income "
                           "must lie between $" +
                               WithCommas(std::numeric_limits<std::int64_t>::min()) + " and $" +
                               WithCommas(std::numeric_limits<std::int64_t>::max()) + ".",
                           Icon::Stop));
    return;
  }
  const std::int64_t i = *income;
  if (i <= 2) {
    QuickMessage(app,
                 "Tax on income of $" + NumberText(i) + " is zero (rounded to nearest dollar)");
    return;
  }
  const TaxSchedule* schedule = ScheduleForYear(CorporateTaxTable(), taxYear);
  if (!schedule) {
    app.ui.ShowMessage(Box("Corporate Tax Calculator",
                           "The calculator has no federal corporate tax schedule for tax year " +
                               std::to_string(taxYear) + ".",
                           Icon::Stop));
    return;
  }
  app.ui.ShowMessage(Box("Corporate Tax Calculator",
                         TaxMessageText(*schedule, taxYear, i, app.consult.ConsultCompany),
                         Icon::None));
}

void CorporateTaxCalculator(App& app) {
  CorporateTaxCalculator(app, BuiltEdition().taxYear);
}

}  // namespace kvx
