#pragma once
// The answers that describe one company, in the order the data-set file stores them.

#include <cstdint>
#include <string>
#include <vector>

#include "profile/InitBizDesc.h"

namespace kvx {

// What the interview asks of a company; it keeps its working answers in one of these
// until the user has answered everything.
struct InterviewAnswers {
  std::string Company;
  std::string Entity;
  std::string InExistence;
  std::string EmployeesText;
  std::int32_t Employees = 0;
  std::string SoleOwner;
  std::string CloselyHeld;
  std::string Revenues;
  std::string Franchise;
  std::string Inventories;
  std::string RetirementPlan;
  std::string WelfarePlans;
  std::string ForeignInvestors;
  std::string BizDescription;
  std::int32_t BizCategory = 0;
};

struct CompanyProfile : InterviewAnswers {
  std::string StateName;
  std::string StateCode;
  std::string DataComplete;

  // Not a line of the data set: the names the business-type list shows, the categories'
  // own names until a completed interview puts the company's description at its category.
  CategoryNames BizDesc = DefaultCategoryNames();
};

inline constexpr int kDataSetLines = 18;

// A line of the data-set file: the field it holds, as text or as a whole number (written
// in digits, read by the leading-number rule).
struct DataSetField {
  std::string CompanyProfile::*text = nullptr;
  std::int32_t CompanyProfile::*number = nullptr;
};

// The data-set file's lines in order: the table that reading, writing and the generic
// edition all follow.
extern const DataSetField kDataSetFields[kDataSetLines];

// Empties every answer of the interview and names the company "Your Company" (not
// complete): the company of the generic edition. The state stays.
void HideCompany(CompanyProfile& p);

// The 18 lines of the data-set file, without line ends.
std::vector<std::string> ProfileLines(const CompanyProfile& p);

// Stores line n (1 to 18) of a data-set file into its field. Lines 7 and 17 follow the
// leading-number rule; a number too big for 32 bits raises error 6.
void SetProfileLine(CompanyProfile& p, int n, const std::string& line);

// The leading-number rule: blanks, an optional sign, then digits; anything else gives 0.
// Raises error 6 when the value does not fit in 32 bits.
std::int32_t LeadingNumber(const std::string& text);

}  // namespace kvx
