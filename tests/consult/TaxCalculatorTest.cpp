// The corporate tax calculator: reading the amount, the schedule's figures at and around
// its steps, exact money at the ends of the 64-bit range, and what the user is shown.

#include <gtest/gtest.h>

#include <limits>

#include "consult/TaxCalculator.h"
#include "tests/support/TestApp.h"

namespace kvx::test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(TaxableIncome, DollarsCommasDecimalsAndHalfDollars) {
  EXPECT_EQ(50000, TaxableIncome("$50,000"));
  EXPECT_EQ(1235, TaxableIncome("1234.5"));
  EXPECT_EQ(1234, TaxableIncome("1234.49"));
  EXPECT_EQ(1, TaxableIncome(".5"));
  EXPECT_EQ(-3, TaxableIncome("-2.5"));  // a half dollar rounds away from zero
  EXPECT_EQ(0, TaxableIncome("abc"));
  EXPECT_EQ(12, TaxableIncome("  12abc"));
  EXPECT_EQ(kMax, TaxableIncome("$9,223,372,036,854,775,807"));
  EXPECT_EQ(kMin, TaxableIncome("-9223372036854775808"));
  for (const char* beyond : {"9223372036854775808", "-9223372036854775809", "9223372036854775807.5",
                             "123456789012345678901234567890"})
    EXPECT_EQ(std::nullopt, TaxableIncome(beyond)) << beyond;
}

TEST(CorporateTax, TheScheduleAtAndAroundItsSteps) {
  const std::pair<std::int64_t, std::int64_t> regular[] = {{3, 0},  // 45 cents rounds away
                                                           {50000, 7500},
                                                           {75001, 13750},
                                                           {100000, 22250},
                                                           {334999, 113900},
                                                           {335000, 113900},
                                                           {10000001, 3400000},
                                                           {15000000, 5150000},
                                                           {18333332, 6416666},
                                                           {18333333, 6416667},
                                                           {kMax, 3228180212899171532}};
  for (const auto& [income, tax] : regular) EXPECT_EQ(tax, RegularCorporateTax(income)) << income;
  EXPECT_EQ(17500, PersonalServiceTax(50000));
  EXPECT_EQ(4, PersonalServiceTax(10));  // $3.50
  EXPECT_EQ(3228180212899171532, PersonalServiceTax(kMax));
}

TEST(CorporateTax, AmountsAreWrittenWithCommas) {
  EXPECT_EQ("0", WithCommas(0));
  EXPECT_EQ("999", WithCommas(999));
  EXPECT_EQ("1,000", WithCommas(1000));
  EXPECT_EQ("1,234,567", WithCommas(1234567));
  EXPECT_EQ("-1,234", WithCommas(-1234));
  EXPECT_EQ("-9,223,372,036,854,775,808", WithCommas(kMin));
}

std::string Calculate(const std::string& answers) {
  TestApp t(answers);
  t.SetProgramFolder();
  t.app.consult.ConsultCompany = "Acme";
  t.Run([](App& app) { CorporateTaxCalculator(app); });
  return t.Output();
}

TEST(CorporateTaxCalculator, ShowsTheThreeTaxes) {
  const std::string out = Calculate("=$50,000\nOK\n");
  EXPECT_NE(std::string::npos,
            out.find("== INPUT\ntitle: Corporate Income Tax Calculator\ndefault: $0\nprompt: To "
                     "calculate federal corporate income tax on a given amount of taxable "
                     "income, enter taxable income (OK to enter $, commas, or decimals):\n\n"));
  EXPECT_NE(std::string::npos,
            out.find("== MESSAGE\ntitle: Corporate Tax Calculator\nicon: none\nbuttons: OK\n"
                     "default: OK\ntext:\n"
                     "  Corporate income tax (federal) on taxable income of $50,000 is:\n  \n"
                     "  $7,500\n  \n"
                     "  Or, if Acme is a \"personal service corporation\" subject\n"
                     "  to a flat 35% tax rate, the tax is: \n  \n"
                     "  $17,500\n  \n"
                     "  Or, if Acme is an S corporation, the tax is:\n  \n"
                     "  $0.** (Income is taxed to shareholders instead.)\n  \n"
                     "  (** Ordinarily, unless there is a special S corporation tax, such\n"
                     "  as on built-in gains or excess passive income.)\n\n"))
      << out;
}

TEST(CorporateTaxCalculator, SmallNothingAndTooMuch) {
  EXPECT_NE(std::string::npos,
            Calculate("=2\n").find("text: Tax on income of $ 2 is zero (rounded to nearest "
                                   "dollar)\n"));
  EXPECT_NE(std::string::npos, Calculate("=-5.2\n").find("Tax on income of $-5 is zero"));
  EXPECT_NE(std::string::npos, Calculate("=lots\n").find("Tax on income of $ 0 is zero"));
  EXPECT_NE(std::string::npos, Calculate("=$2.5\n").find("on taxable income of $3 is:"));
  for (const char* quiet : {"cancel\n", "=\n", "=$,,\n"})
    EXPECT_EQ(1, Count(Calculate(quiet), "== ")) << quiet;
  const std::string big = Calculate("=99,999,999,999,999,999,999\nOK\n");
  EXPECT_NE(std::string::npos, big.find("icon: stop"));
  EXPECT_NE(std::string::npos, big.find("too large for the calculator"));
  EXPECT_EQ(std::string::npos, big.find("Corporate income tax (federal)"));
}

}  // namespace
}  // namespace kvx::test
