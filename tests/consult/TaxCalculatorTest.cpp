// The corporate tax calculator: reading the amount, the table of schedules by tax year,
// each schedule's figures at and around its steps, exact money at the ends of the 64-bit
// range, and what the user is shown for a year of either schedule.

#include <gtest/gtest.h>

#include <limits>

#include "base/Errors.h"
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

const TaxSchedule& For(int year) {
  const TaxSchedule* s = ScheduleForYear(CorporateTaxTable(), year);
  EXPECT_NE(nullptr, s) << year;
  return *s;
}

TEST(CorporateTax, TheYearChoosesTheSchedule) {
  for (int year : {1993, 2012, 2017}) EXPECT_EQ(TaxMessage::kGraduated, For(year).message) << year;
  for (int year : {2018, 2026, 2100}) EXPECT_EQ(TaxMessage::kFlat, For(year).message) << year;
  EXPECT_EQ(nullptr, ScheduleForYear(CorporateTaxTable(), 1992));
  EXPECT_NE(nullptr, ScheduleForYear(CorporateTaxTable(), EditionYear())) << "this edition's";
}

TEST(CorporateTax, TheGraduatedScheduleAtAndAroundItsSteps) {
  const TaxSchedule& s = For(2012);
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
  for (const auto& [income, tax] : regular) EXPECT_EQ(tax, ScheduleTax(s, income)) << income;
  EXPECT_EQ(17500, PersonalServiceTax(s, 50000));
  EXPECT_EQ(4, PersonalServiceTax(s, 10));  // $3.50
  EXPECT_EQ(3228180212899171532, PersonalServiceTax(s, kMax));
}

TEST(CorporateTax, TheFlatRateRoundsHalfDollarsAwayFromZero) {
  const TaxSchedule& s = For(2026);
  EXPECT_EQ(52500, ScheduleTax(s, 250000));
  EXPECT_EQ(1, ScheduleTax(s, 3));    // 63 cents
  EXPECT_EQ(1, ScheduleTax(s, 5));    // $1.05
  EXPECT_EQ(2, ScheduleTax(s, 10));   // $2.10
  EXPECT_EQ(3, ScheduleTax(s, 12));   // $2.52
  EXPECT_EQ(11, ScheduleTax(s, 50));  // $10.50
  EXPECT_EQ(-11, ScheduleTax(s, -50));
  EXPECT_EQ(1936908127739502919, ScheduleTax(s, kMax));  // 21% of 2^63 - 1, exact
  EXPECT_EQ(-1936908127739502920, ScheduleTax(s, kMin));
}

TEST(CorporateTax, AMalformedTableIsRefusedWithItsLine) {
  const auto error = [](const std::string& table) {
    try {
      ParseTaxTable(table);
    } catch (const KvxError& e) {
      return e.diag;
    }
    return std::string("accepted");
  };
  const std::string ok =
      "schedule 1993 2017 graduated\nbracket all 0 0 15 0\npersonal-service 35\n";
  EXPECT_EQ(1u, ParseTaxTable(ok).size());
  EXPECT_EQ(2u, ParseTaxTable(ok + "# later\nschedule 2018 on flat\nflat 21\n").size());
  const std::pair<std::string, std::string> bad[] = {
      {ok + "bracket > 50000 7500 125 50000\n", "line 4: \"125\" is not a whole number"},
      {ok + "bracket over 50000 7500 25 50000\n", "line 4: a bracket holds for"},
      {ok + "bracket > 50000 7500 25\n", "line 4: not a \"bracket\""},
      {ok + "schedule 2019 on flat\nflat 21\n", "line 4: the schedule does not begin"},
      {ok + "schedule 2018 on flat\n", "line 4: the flat schedule has no"},
      {ok + "schedule 2018 on level\n", "line 4: the message is"},
      {"schedule 1993 2017 graduated\nbracket > 1 0 15 0\npersonal-service 35\n",
       "line 1: a graduated schedule begins"},
      {"schedule 1993 2017 graduated\nbracket all 0 0 15 0\n", "line 1: the schedule has no"},
      {"flat 21\n", "line 1: \"flat\" before the first"},
      {"# nothing\n", "the table has no schedule"},
  };
  for (const auto& [table, expected] : bad)
    EXPECT_NE(std::string::npos, error(table).find(expected)) << table << error(table);
}

TEST(CorporateTax, AmountsAreWrittenWithCommas) {
  EXPECT_EQ("0", WithCommas(0));
  EXPECT_EQ("999", WithCommas(999));
  EXPECT_EQ("1,000", WithCommas(1000));
  EXPECT_EQ("1,234,567", WithCommas(1234567));
  EXPECT_EQ("-1,234", WithCommas(-1234));
  EXPECT_EQ("-9,223,372,036,854,775,808", WithCommas(kMin));
}

std::string Calculate(const std::string& answers, int year = EditionYear()) {
  TestApp t(answers);
  t.SetProgramFolder();
  t.app.consult.ConsultCompany = "Acme";
  t.Run([year](App& app) { CorporateTaxCalculator(app, year); });
  return t.Output();
}

TEST(CorporateTaxCalculator, UpTo2017ShowsTheThreeTaxes) {
  const std::string out = Calculate("=$50,000\nOK\n", 2012);
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
  EXPECT_NE(std::string::npos, Calculate("=3\nOK\n", 2017).find("  $0\n  \n  Or, if Acme is a"));
}

TEST(CorporateTaxCalculator, From2018ShowsTheFlatRate) {
  const std::string out = Calculate("=$250,000\nOK\n", 2026);
  EXPECT_NE(std::string::npos,
            out.find("== MESSAGE\ntitle: Corporate Tax Calculator\nicon: none\nbuttons: OK\n"
                     "default: OK\ntext:\n"
                     "  Corporate income tax (federal) on taxable income of $250,000 for tax "
                     "year 2026 is:\n  \n"
                     "  $52,500\n  \n"
                     "  (A flat 21% rate applies to every C corporation, personal service\n"
                     "  corporations included, for tax years beginning after 2017.)\n  \n"
                     "  Or, if Acme is an S corporation, the tax is:\n  \n"
                     "  $0.** (Income is taxed to shareholders instead.)\n  \n"
                     "  (** Ordinarily, unless there is a special S corporation tax, such\n"
                     "  as on built-in gains or excess passive income.)\n\n"))
      << out;
  EXPECT_NE(std::string::npos,
            Calculate("=$2.5\nOK\n", 2018)
                .find("on taxable income of $3 for tax year 2018 is:\n  \n  $1\n"));
  EXPECT_NE(std::string::npos, Calculate("=2\n", 2026).find("Tax on income of $ 2 is zero"));
}

TEST(CorporateTaxCalculator, AYearWithoutAScheduleIsSaidPlainly) {
  const std::string out = Calculate("=$250,000\nOK\n", 1980);
  EXPECT_NE(std::string::npos, out.find("icon: stop"));
  EXPECT_NE(std::string::npos, out.find("no federal corporate tax schedule for tax year 1980"));
}

TEST(CorporateTaxCalculator, SmallNothingAndTooMuch) {
  EXPECT_NE(std::string::npos,
            Calculate("=2\n").find("text: Tax on income of $ 2 is zero (rounded to nearest "
                                   "dollar)\n"));
  EXPECT_NE(std::string::npos, Calculate("=-5.2\n").find("Tax on income of $-5 is zero"));
  EXPECT_NE(std::string::npos, Calculate("=lots\n").find("Tax on income of $ 0 is zero"));
  EXPECT_NE(std::string::npos, Calculate("=$2.5\n", 2012).find("on taxable income of $3 is:"));
  for (const char* quiet : {"cancel\n", "=\n", "=$,,\n"})
    EXPECT_EQ(1, Count(Calculate(quiet), "== ")) << quiet;
  const std::string big = Calculate("=99,999,999,999,999,999,999\nOK\n");
  EXPECT_NE(std::string::npos, big.find("icon: stop"));
  EXPECT_NE(std::string::npos, big.find("too large for the calculator"));
  EXPECT_EQ(std::string::npos, big.find("Corporate income tax (federal)"));
}

}  // namespace
}  // namespace kvx::test
