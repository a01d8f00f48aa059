#include "profile/CompanyProfile.h"

#include <cstdint>
#include <optional>

#include "base/Errors.h"
#include "base/Text.h"

namespace kvx {

const DataSetField kDataSetFields[kDataSetLines] = {
    {&CompanyProfile::StateName},
    {&CompanyProfile::StateCode},
    {&CompanyProfile::Company},
    {&CompanyProfile::Entity},
    {&CompanyProfile::InExistence},
    {&CompanyProfile::EmployeesText},
    {nullptr, &CompanyProfile::Employees},
    {&CompanyProfile::SoleOwner},
    {&CompanyProfile::CloselyHeld},
    {&CompanyProfile::Revenues},
    {&CompanyProfile::Franchise},
    {&CompanyProfile::Inventories},
    {&CompanyProfile::RetirementPlan},
    {&CompanyProfile::WelfarePlans},
    {&CompanyProfile::ForeignInvestors},
    {&CompanyProfile::BizDescription},
    {nullptr, &CompanyProfile::BizCategory},
    {&CompanyProfile::DataComplete},
};

std::vector<std::string> ProfileLines(const CompanyProfile& p) {
  std::vector<std::string> lines;
  for (const DataSetField& field : kDataSetFields)
    lines.push_back(field.text ? p.*field.text : std::to_string(p.*field.number));
  return lines;
}

void HideCompany(CompanyProfile& p) {
  static_cast<InterviewAnswers&>(p) = InterviewAnswers{};
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
