#include "consult/TaxCalculator.h"

#include <limits>

#include "consult/ConsultState.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

namespace {

// 128 bits: 38% of any 64-bit amount, in hundredths, fits with room to spare.
__extension__ typedef __int128 Wide;

// Hundredths of a dollar to whole dollars, a half away from zero.
std::int64_t RoundCents(Wide cents) {
  const Wide whole = cents >= 0 ? (cents + 50) / 100 : -((-cents + 50) / 100);
  return static_cast<std::int64_t>(whole);
}

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

std::int64_t RegularCorporateTax(std::int64_t income) {
  const Wide i = income;
  // The schedule in hundredths of a dollar, so that every step is exact; each step that
  // holds replaces the ones before it.
  Wide cents = 15 * i;
  if (i > 50000) cents = Wide{750000} + 25 * (i - 50000);
  if (i > 75000) cents = Wide{1375000} + 34 * (i - 75000);
  if (i > 100000) cents = Wide{2225000} + 39 * (i - 100000);
  if (i >= 335000) cents = 34 * i;
  if (i > 10000000) cents = Wide{340000000} + 35 * (i - 10000000);
  if (i > 15000000) cents = Wide{515000000} + 38 * (i - 15000000);
  if (i >= 18333333) cents = 35 * i;
  return RoundCents(cents);
}

std::int64_t PersonalServiceTax(std::int64_t income) {
  return RoundCents(35 * Wide{income});
}

std::string WithCommas(std::int64_t n) {
  // The magnitude of the most negative value does not fit in a signed 64-bit number.
  unsigned long long magnitude =
      n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
  std::string digits = std::to_string(magnitude);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return (n < 0 ? "-" : "") + digits;
}

void CorporateTaxCalculator(App& app) {
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
  const std::string& co = app.consult.ConsultCompany;
  const std::string text =
      "Corporate income tax (federal) on taxable income of $" + WithCommas(i) + " is:\r\r$" +
      WithCommas(RegularCorporateTax(i)) + "\r\rOr, if " + co +
      " is a \"personal service corporation\" subject\rto a flat 35% tax rate, the tax is: \r\r$" +
      WithCommas(PersonalServiceTax(i)) + "\r\rOr, if " + co +
      " is an S corporation, the tax is:\r\r$0.** (Income is taxed to shareholders "
      "instead.)\r\r(** Ordinarily, unless there is a special S corporation tax, such\ras on "
      "built-in gains or excess passive income.)";
  app.ui.ShowMessage(Box("Corporate Tax Calculator", text, Icon::None));
}

}  // namespace kvx
