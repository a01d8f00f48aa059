#include "profile/CompanyProfile.h"

#include <cstdint>
#include <optional>

#include "base/Errors.h"
#include "base/Text.h"

namespace kvx {

std::vector<std::string> ProfileLines(const CompanyProfile& p) {
  return {p.StateName,
          p.StateCode,
          p.Company,
          p.Entity,
          p.InExistence,
          p.EmployeesText,
          std::to_string(p.Employees),
          p.SoleOwner,
          p.CloselyHeld,
          p.Revenues,
          p.Franchise,
          p.Inventories,
          p.RetirementPlan,
          p.WelfarePlans,
          p.ForeignInvestors,
          p.BizDescription,
          std::to_string(p.BizCategory),
          p.DataComplete};
}

std::int32_t LeadingNumber(const std::string& text) {
  const std::optional<std::int32_t> value = LeadingInt32(text, " 	");
  if (!value) Raise(6, "Number too large: " + text.substr(0, 40));
  return *value;
}

void SetProfileLine(CompanyProfile& p, int n, const std::string& line) {
  switch (n) {
    case 1:
      p.StateName = line;
      break;
    case 2:
      p.StateCode = line;
      break;
    case 3:
      p.Company = line;
      break;
    case 4:
      p.Entity = line;
      break;
    case 5:
      p.InExistence = line;
      break;
    case 6:
      p.EmployeesText = line;
      break;
    case 7:
      p.Employees = LeadingNumber(line);
      break;
    case 8:
      p.SoleOwner = line;
      break;
    case 9:
      p.CloselyHeld = line;
      break;
    case 10:
      p.Revenues = line;
      break;
    case 11:
      p.Franchise = line;
      break;
    case 12:
      p.Inventories = line;
      break;
    case 13:
      p.RetirementPlan = line;
      break;
    case 14:
      p.WelfarePlans = line;
      break;
    case 15:
      p.ForeignInvestors = line;
      break;
    case 16:
      p.BizDescription = line;
      break;
    case 17:
      p.BizCategory = LeadingNumber(line);
      break;
    case 18:
      p.DataComplete = line;
      break;
    default:
      break;
  }
}

}  // namespace kvx
