#include "profile/CompanyProfile.h"

#include <cstdint>
#include <optional>

#include "base/Errors.h"
#include "base/Text.h"

namespace kvx {

const DataSetField kDataSetFields[kDataSetLines] = {
    {&CompanyProfile::StateName},
    {&CompanyProfile::StateCode},
    {&CompanyProfile::Company, nullptr, true},
    {&CompanyProfile::Entity, nullptr, true},
    {&CompanyProfile::InExistence, nullptr, true},
    {&CompanyProfile::EmployeesText, nullptr, true},
    {nullptr, &CompanyProfile::Employees, true},
    {&CompanyProfile::SoleOwner, nullptr, true},
    {&CompanyProfile::CloselyHeld, nullptr, true},
    {&CompanyProfile::Revenues, nullptr, true},
    {&CompanyProfile::Franchise, nullptr, true},
    {&CompanyProfile::Inventories, nullptr, true},
    {&CompanyProfile::RetirementPlan, nullptr, true},
    {&CompanyProfile::WelfarePlans, nullptr, true},
    {&CompanyProfile::ForeignInvestors, nullptr, true},
    {&CompanyProfile::BizDescription, nullptr, true},
    {nullptr, &CompanyProfile::BizCategory, true},
    {&CompanyProfile::DataComplete},
};

std::vector<std::string> ProfileLines(const CompanyProfile& p) {
  std::vector<std::string> lines;
  for (const DataSetField& field : kDataSetFields)
    lines.push_back(field.text ? p.*field.text : std::to_string(p.*field.number));
  return lines;
}

void HideCompany(CompanyProfile& p) {
  for (const DataSetField& field : kDataSetFields) {
    if (!field.companyAnswer) continue;
    if (field.text)
      (p.*field.text).clear();
    else
      p.*field.number = 0;
  }
  p.Company = "Your Company";
  p.DataComplete = "N";
}

std::int32_t LeadingNumber(const std::string& text) {
  const std::optional<std::int32_t> value = LeadingInt32(text, " 	");
  if (!value) Raise(kErrOverflow, "Number too large: " + text.substr(0, 40));
  return *value;
}

void SetProfileLine(CompanyProfile& p, int n, const std::string& line) {
  if (n < 1 || n > kDataSetLines) return;
  const DataSetField& field = kDataSetFields[n - 1];
  if (field.text)
    p.*field.text = line;
  else
    p.*field.number = LeadingNumber(line);
}

}  // namespace kvx
