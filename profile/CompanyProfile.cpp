#include "profile/CompanyProfile.h"

#include <cstdint>
#include <limits>

#include "shell/Errors.h"

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
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
      Raise(6, "Number too large: " + text.substr(0, 40));
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max())
    Raise(6, "Number too large: " + text.substr(0, 40));
  return static_cast<std::int32_t>(value);
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
