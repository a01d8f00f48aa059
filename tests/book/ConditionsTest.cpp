// The shipped book's conditions, checked for every kind of company: each legal form at
// every employee count where the book draws a line (0, 1, 14, 15, 19, 20, 49, 50, 99, 100,
// 101), with each revenue band and each yes/no fact, gets a book built from the program
// folder's own templates; a table of passages, each found by a short phrase of its page and
// shown exactly when its rule (written here from the law, not from the condition codes)
// holds, says what each book must and must not contain.
//
// Each edition has its own rows: a row names the edition whose text it checks (0: both).
// When a page is rewritten, adjust its rows here: the failure names the row and company.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "core/StateTable.h"
#include "profile/CompanyProfile.h"
#include "tests/book/BookFixture.h"
#include "tests/support/RunProgram.h"

namespace kvx::test {
namespace {

struct Company {
  std::string state;  // postal code
  std::string entity;
  int employees = 0;
  std::string revenue;
  bool existing = false, soleOwner = false, closelyHeld = false, franchise = false,
       inventories = false, retirement = false, welfare = false, foreign = false;
  int category = 1;
};

const char* const kEntities[] = {
    "sole proprietorship", "general partnership", "limited partnership", "LLP", "LLC",
    "corporation",         "S corporation"};
const int kEmployeeCounts[] = {0, 1, 14, 15, 19, 20, 49, 50, 99, 100, 101};
const char* const kRevenues[] = {"Under $1 million", "Over $1 million", "Over $5 million",
                                 "Over $10 million"};

// Every legal form at every employee count; for each form, the revenue bands and the
// inventories answer run through all eight of their pairs, and the other facts and the line
// of business through both answers and many categories across the whole set. New York
// (temporary disability insurance) and Texas (none) alternate by form.
std::vector<Company> Companies() {
  std::vector<Company> all;
  for (int e = 0; e < 7; ++e) {
    for (int j = 0; j < 11; ++j) {
      const int m = e * 11 + j;
      Company c;
      c.state = e % 2 == 0 ? "NY" : "TX";
      c.entity = kEntities[e];
      c.employees = kEmployeeCounts[j];
      c.revenue = kRevenues[j % 4];
      c.inventories = (j / 4) % 2 == 1;
      c.existing = m % 2 == 1;
      c.franchise = (m / 2) % 2 == 1;
      c.retirement = (m / 3) % 2 == 1;
      c.welfare = (m / 5) % 2 == 1;
      c.foreign = (m / 7) % 2 == 1;
      c.soleOwner = (m / 11 + j) % 3 == 0;
      c.closelyHeld = (m / 13 + j) % 2 == 0;
      c.category = (m * 7) % 25 + 1;  // every category, and several for each form
      all.push_back(c);
    }
  }
  return all;
}

bool CCorporation(const Company& c) {
  return c.entity == "corporation";
}
bool SCorporation(const Company& c) {
  return c.entity == "S corporation";
}
bool SoleProprietor(const Company& c) {
  return c.entity == "sole proprietorship";
}
bool ProfessionalOrConsulting(const Company& c) {
  return c.category == 18 || c.category == 20;
}
bool Over5Million(const Company& c) {
  return c.revenue == "Over $5 million" || c.revenue == "Over $10 million";
}

struct Passage {
  int edition;  // 0: every edition
  const char* page;
  const char* phrase;  // occurs once in the page's template, inside the passage
  bool (*shown)(const Company&);
};

const Passage kPassages[] = {
    // Employees: the federal employment laws' thresholds.
    {0, "appendA.htm", "has no employees at present",
     [](const Company& c) { return c.employees == 0; }},
    {0, "chap06.htm", "is covered by Title VII, the ADA and GINA",
     [](const Company& c) { return c.employees >= 15; }},
    {0, "chap06.htm", "is below the thresholds of Title VII, the ADA and the ADEA",
     [](const Company& c) { return c.employees < 15; }},
    {0, "chap06.htm", "It is also covered by the Age Discrimination in Employment Act",
     [](const Company& c) { return c.employees >= 20; }},
    {0, "chap06.htm", "It will come under the Age Discrimination in Employment Act",
     [](const Company& c) { return c.employees >= 15 && c.employees < 20; }},
    {0, "chap06.htm", "subject to federal COBRA if it maintains",
     [](const Company& c) { return c.employees >= 20; }},
    {0, "chap06.htm", "is not subject to federal COBRA",
     [](const Company& c) { return c.employees < 20; }},
    {0, "chap06.htm", "is covered by the FMLA. Name one person",
     [](const Company& c) { return c.employees >= 50; }},
    {0, "chap06.htm", "is not covered by the federal FMLA",
     [](const Company& c) { return c.employees < 50; }},
    {0, "chap06.htm", "must file the EEO-1 report each year, on line",
     [](const Company& c) { return c.employees >= 100; }},
    {0, "chap06.htm", "is subject to WARN. Bring in counsel",
     [](const Company& c) { return c.employees >= 100; }},
    {0, "chap06.htm", "is below the federal WARN threshold",
     [](const Company& c) { return c.employees < 100; }},
    {2012, "chap06.htm", "is below the 50-employee line",
     [](const Company& c) { return c.employees >= 1 && c.employees <= 49; }},
    {2012, "chap06.htm", "will be subject to the employer shared responsibility rules",
     [](const Company& c) { return c.employees >= 50; }},
    {0, "chap12.htm", "is too large for a simple cafeteria plan",
     [](const Company& c) { return c.employees > 100; }},
    {0, "chap12.htm", "will become useful to", [](const Company& c) { return c.employees == 0; }},
    {0, "chap12.htm", "is small enough to use a simple cafeteria plan",
     [](const Company& c) { return c.employees >= 1 && c.employees <= 100; }},
    {0, "chap12.htm", "cannot start a SIMPLE plan",
     [](const Company& c) { return c.employees > 100; }},
    {0, "chap12.htm", "is small enough for a SIMPLE plan",
     [](const Company& c) { return c.employees <= 100; }},
    {0, "chap12.htm", "health plan very likely has 100 or more",
     [](const Company& c) { return c.welfare && c.employees >= 100; }},
    {0, "chap12.htm", "insured welfare plans probably have fewer than 100",
     [](const Company& c) { return c.welfare && c.employees < 100; }},
    // Temporary disability insurance begins with the first employee.
    {2012, "chap06.htm", "must provide it (through the state fund",
     [](const Company& c) { return c.state == "NY" && c.employees > 0; }},
    {2012, "chap06.htm", "will need it when it hires",
     [](const Company& c) { return c.state == "NY" && c.employees == 0; }},
    {2026, "chap06.htm", "must provide it for its employees",
     [](const Company& c) { return c.state == "NY" && c.employees > 0; }},
    {2026, "chap06.htm", "so it has nothing to provide yet",
     [](const Company& c) { return c.state == "NY" && c.employees == 0; }},
    // Legal form: estimated tax, the tax year, the cash method.
    {0, "chap05.htm", "put the corporate due dates in your calendar now", CCorporation},
    {2026, "chap05.htm", "itself pays estimated tax only in a year in which it owes", SCorporation},
    {2026, "chap05.htm", "who pay estimated tax on it individually",
     [](const Company& c) { return !CCorporation(c); }},
    {2026, "chap14.htm", "As a sole proprietorship, Acme Test Co uses your own tax year",
     SoleProprietor},
    {2026, "chap11.htm", "may have to use the accrual method.</b>",
     [](const Company& c) { return CCorporation(c) && c.revenue == "Over $10 million"; }},
    {2012, "chap05.htm", "itself pays corporate estimated tax only if it expects", SCorporation},
    {2012, "chap05.htm", "the owners pay estimated tax individually",
     [](const Company& c) { return !CCorporation(c); }},
    {2012, "chap14.htm", "reports on its owner's own tax year", SoleProprietor},
    {2012, "chap14.htm", "will normally use the calendar year; a fiscal year is available only",
     [](const Company& c) { return !CCorporation(c) && !SoleProprietor(c); }},
    {0, "chap14.htm", "works in professional services or consulting",
     [](const Company& c) { return CCorporation(c) && ProfessionalOrConsulting(c); }},
    {0, "chap14.htm", "may adopt any fiscal year on its first Form 1120",
     [](const Company& c) { return CCorporation(c) && !ProfessionalOrConsulting(c); }},
    {2012, "chap11.htm", "must use the accrual method.</b>",
     [](const Company& c) { return CCorporation(c) && Over5Million(c); }},
    {2012, "chap11.htm", "carries inventory with revenues",
     [](const Company& c) {
       return c.inventories && (c.revenue == "Over $1 million" || c.revenue == "Over $5 million") &&
              !(CCorporation(c) && Over5Million(c));
     }},
    // Revenue bands.
    {0, "chap06.htm", "qualifies for the disabled access credit (Form 8826)",
     [](const Company& c) { return c.revenue == "Under $1 million"; }},
    {0, "appendA.htm", "whether your lenders or investors need audited",
     [](const Company& c) { return c.revenue == "Over $10 million"; }},
    // Each yes/no fact, as the company's own data page repeats it.
    {0, "appendA.htm", "Yes, the business is already operating.",
     [](const Company& c) { return c.existing; }},
    {0, "appendA.htm", "No, this is a new business.", [](const Company& c) { return !c.existing; }},
    {0, "chap14.htm", "is a new business, now is the time to decide",
     [](const Company& c) { return !c.existing; }},
    {0, "appendA.htm", "Yes, one person owns the business.",
     [](const Company& c) { return c.soleOwner; }},
    {0, "appendA.htm", "No, the business has more than one owner.",
     [](const Company& c) { return !c.soleOwner; }},
    {0, "appendA.htm", "Yes, the ownership is closely held.",
     [](const Company& c) { return c.closelyHeld; }},
    {0, "appendA.htm", "No, the ownership is not closely held.",
     [](const Company& c) { return !c.closelyHeld; }},
    {0, "appendA.htm", "Yes, the business is a franchise.",
     [](const Company& c) { return c.franchise; }},
    {0, "appendA.htm", "No, the business is not a franchise.",
     [](const Company& c) { return !c.franchise; }},
    {0, "appendA.htm", "Yes, the business keeps inventories.",
     [](const Company& c) { return c.inventories; }},
    {0, "appendA.htm", "No inventories (or not answered).",
     [](const Company& c) { return !c.inventories; }},
    {0, "appendA.htm", "Yes, the business has a retirement plan.",
     [](const Company& c) { return c.retirement; }},
    {0, "appendA.htm", "No retirement plan.", [](const Company& c) { return !c.retirement; }},
    {0, "appendA.htm", "Yes, the business has welfare benefit plans",
     [](const Company& c) { return c.welfare; }},
    {0, "appendA.htm", "No welfare benefit plans.", [](const Company& c) { return !c.welfare; }},
    {0, "appendA.htm", "Because Acme Test Co has foreign investors",
     [](const Company& c) { return c.foreign && !SoleProprietor(c); }},
};

std::string YesNo(bool yes) {
  return yes ? "Y" : "N";
}

std::string Describe(const Company& c) {
  return c.state + ", " + c.entity + ", " + std::to_string(c.employees) + " employees, " +
         c.revenue + ", category " + std::to_string(c.category) +
         ", existing/sole owner/closely held/franchise/inventories/retirement/welfare/foreign " +
         YesNo(c.existing) + YesNo(c.soleOwner) + YesNo(c.closelyHeld) + YesNo(c.franchise) +
         YesNo(c.inventories) + YesNo(c.retirement) + YesNo(c.welfare) + YesNo(c.foreign);
}

// Builds the company's book from the program folder's templates in t's folder.
void Build(TestApp& t, const Company& c) {
  namespace fs = std::filesystem;
  const std::string from = BuiltProgramFolder();
  for (const std::string& page : TemplatePageNames())
    fs::copy_file(Resolve(from + page + ".dat"), t.dir() + page + ".dat");
  fs::copy_file(Resolve(from + c.state + ".dat"), t.dir() + c.state + ".dat");
  t.SetProgramFolder();
  CompanyProfile& p = t.app.profile;
  StateTable& states = t.app.states;
  for (int row = 1; row <= kStateCount; ++row)
    if (RowCode(states.States[row]) == c.state) p.StateName = RowName(states.States[row]);
  p.StateCode = c.state;
  p.Company = "Acme Test Co";
  p.Entity = c.entity;
  p.EmployeesText = std::to_string(c.employees);
  p.Employees = c.employees;
  p.Revenues = c.revenue;
  p.InExistence = YesNo(c.existing);
  p.SoleOwner = YesNo(c.soleOwner);
  p.CloselyHeld = YesNo(c.closelyHeld);
  p.Franchise = YesNo(c.franchise);
  p.Inventories = YesNo(c.inventories);
  p.RetirementPlan = YesNo(c.retirement);
  p.WelfarePlans = YesNo(c.welfare);
  p.ForeignInvestors = YesNo(c.foreign);
  p.BizDescription = "Line of business " + std::to_string(c.category);
  p.BizCategory = c.category;
  p.DataComplete = "Y";
  bool built = false;
  ASSERT_EQ(0, t.Run([&](App& app) { built = CreateBook(app); })) << t.Output();
  ASSERT_TRUE(built) << Describe(c) << "\n" << t.Output();
}

// The rows of this build's edition; fails when the edition has none.
std::vector<const Passage*> RowsOfThisEdition() {
  std::vector<const Passage*> rows;
  for (const Passage& row : kPassages)
    if (row.edition == 0 || row.edition == EditionYear()) rows.push_back(&row);
  return rows;
}

TEST(Conditions, EveryKindOfCompanyGetsThePassagesMeantForIt) {
  const std::vector<const Passage*> rows = RowsOfThisEdition();
  std::vector<int> shownTo(rows.size(), 0), keptFrom(rows.size(), 0);
  for (const Company& c : Companies()) {
    TestApp t;
    Build(t, c);
    if (HasFatalFailure()) return;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const Passage& row = *rows[r];
      const bool found = Contains(ReadFileBytes(t.dir() + row.page), row.phrase);
      const bool meant = row.shown(c);
      (meant ? shownTo : keptFrom)[r]++;
      EXPECT_EQ(meant, found) << row.page << " \"" << row.phrase << "\" must "
                              << (meant ? "appear" : "not appear") << " for: " << Describe(c);
    }
  }
  // A row whose rule holds for every company, or for none, checks nothing.
  for (std::size_t r = 0; r < rows.size(); ++r)
    EXPECT_TRUE(shownTo[r] > 0 && keptFrom[r] > 0) << rows[r]->phrase;
}

}  // namespace
}  // namespace kvx::test
