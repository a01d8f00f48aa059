#include "book/ConditionCodes.h"

#include <string>
#include <string_view>

#include "profile/CompanyProfile.h"
#include "core/StateTable.h"

namespace kvx {

namespace {

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool BeginsWith(std::string_view text, std::string_view part) {
  return text.substr(0, part.size()) == part;
}

// The employee-count codes; -1 when the code is not one of them.
int EmployeeTest(std::int32_t code, std::int64_t e) {
  switch (code) {
    case 0:
      return e == 0;
    case 1:
      return e == 1;
    case 2:
      return e == 2;
    case 3:
      return e == 3;
    case 4:
      return e == 4;
    case 5:
      return e >= 5;
    case 6:
      return e < 2;
    case 7:
      return e < 3;
    case 8:
      return e < 4;
    case 9:
      return e < 5;
    case 10:
      return e < 10;
    case 11:
      return e <= 10;
    case 12:
      return e >= 10;
    case 13:
      return e > 10;
    case 14:
      return e < 15;
    case 15:
      return e >= 15;
    case 19:
      return e < 20;
    case 20:
      return e >= 20;
    case 23:
      return e >= 15 && e <= 24;
    case 24:
      return e < 25;
    case 25:
      return e >= 25;
    case 30:
      return e >= 30;
    case 49:
      return e >= 1 && e <= 49;
    case 50:
      return e >= 50;
    case 75:
      return e >= 75;
    case 97:
      return e > 100;
    case 98:
      return e >= 2 && e <= 100;
    case 99:
      return e >= 2 && e <= 99;
    case 100:
      return e >= 100;
    case 200:
      return e > 0;
    case 201:
      return e > 1;
    case 202:
      return e > 2;
    case 203:
      return e > 3;
    case 204:
      return e > 4;
    case 205:
      return e > 5;
    case 206:
      return e < 6;
    case 207:
      return e < 8;
    case 208:
      return e >= 8;
    case 209:
      return e > 8;
    case 221:
      return e >= 21;
    case 226:
      return e > 25;
    case 227:
      return e >= 2 && e <= 50;
    default:
      return -1;
  }
}

// The codes that read other answers; -1 when the code is not one of them.
int ProfileTest(std::int32_t code, const CompanyProfile& p) {
  const std::string& g = p.Revenues;
  const std::string& l = p.Entity;
  const std::int32_t k = p.BizCategory;
  const bool corp = BeginsWith(l, "corp");
  const bool k18to23 = k == 18 || k == 19 || k == 20 || k == 23;
  switch (code) {
    // Gross revenue band.
    case 101:
      return Contains(g, "$10");
    case 102:
      return Contains(g, "Over $5") || Contains(g, "$10");
    case 103:
      return Contains(g, "$1 mil");
    case 104:
      return !Contains(g, "$10");
    case 105:
      return !Contains(g, "$10") && (k == 1 || k == 2);
    case 106:
      return Contains(g, "Under $1 m");
    case 107:
      return Contains(g, "Over");
    case 108:
      return Contains(g, "Over $5");
    // Legal entity, ownership and tax status.
    case 109:
      return Contains(l, "general p");
    case 110:
      return p.CloselyHeld == "Y";
    case 111:
      return p.CloselyHeld == "N";
    case 112:
      return p.CloselyHeld == "N" && corp;
    case 113:
      return Contains(l, "LLC");
    case 114:
      return Contains(l, "limited p");
    case 115:
      return Contains(l, "sole p");
    case 116:
      return Contains(l, "partnership") || Contains(l, "LLP");
    case 117:
      return corp;
    case 118:
      return BeginsWith(l, "S cor");
    case 119:
      return !corp;
    case 120:
      return !Contains(l, "corp");
    case 121:
      return Contains(l, "corp");
    case 122:
      return Contains(l, "LLP");
    case 123:
      return Contains(l, "corp") && !BeginsWith(l, "S cor");
    case 125:
      return p.SoleOwner == "Y";
    case 126:
      return p.SoleOwner == "N";
    case 127:
      return p.SoleOwner == "Y" && Contains(l, "corp");
    case 128:
      return p.SoleOwner == "Y" && l == "LLC";
    case 160:
      return p.CloselyHeld == "N" && corp && !k18to23;
    case 161:
      return p.CloselyHeld != "Y" && corp && k18to23;
    case 162:
      return p.CloselyHeld != "N" && corp && k18to23;
    case 163:
      return Contains(l, "limited p") || Contains(l, "LLP") || Contains(l, "corp") ||
             Contains(l, "LLC");
    case 195:
      return p.ForeignInvestors == "Y" && !Contains(l, "sole p");
    // Inventories, plans, franchise, existence.
    case 143:
      return p.Inventories == "Y";
    case 144:
      return p.Inventories != "Y";
    case 191:
      return p.RetirementPlan == "Y";
    case 192:
      return p.RetirementPlan == "N";
    case 193:
      return p.WelfarePlans == "Y";
    case 194:
      return p.WelfarePlans == "N";
    case 300:
      return p.Franchise == "Y";
    case 301:
      return p.Franchise == "N";
    case 900:
      return p.InExistence == "Y";
    case 901:
      return p.InExistence == "N";
    // Business category.
    case 150:
      return k == 1;
    case 151:
      return k == 2;
    case 153:
      return k == 4;
    case 154:
      return k == 5;
    case 155:
      return k == 11;
    case 156:
      return k == 7;
    case 157:
      return k == 13;
    case 158:
      return k == 15;
    case 159:
      return k == 8 || k == 9;
    case 164:
      return k == 8;
    case 165:
      return k == 10;
    case 166:
      return k == 8 && corp && p.CloselyHeld == "N";
    case 167:
      return k == 8 && !corp;
    case 168:
      return k == 8 && !Contains(l, "corp");
    case 169:
      return k == 25;
    case 170:
      return k != 3 && k != 5 && k != 7 && k != 13 && k != 21 && k != 25;
    case 171:
      return k == 7 || k == 12 || (k >= 14 && k <= 20) || k == 22 || k == 23;
    case 172:
      return k == 17;
    case 173:
      return k == 18;
    case 174:
      return k == 19;
    case 175:
      return k == 20;
    case 176:
      return k == 6;
    case 177:
      return k == 22;
    case 178:
      return k == 18 || k == 20;
    case 179:
      return k < 4;
    case 180:
      return k == 21;
    case 181:
      return k == 3;
    case 182:
      return k == 1 || k == 2;
    case 183:
      return k == 16;
    case 184:
      return k <= 7 || k >= 23 || k == 9 || k == 13;
    case 185:
      return k == 12;
    default:
      return -1;
  }
}

}  // namespace

std::int32_t CheckCode(const CompanyProfile& profile, const StateTable& states, std::int32_t code) {
  if (code >= 501 && code <= 500 + kStateCount)
    return profile.StateCode == RowCode(states.States[code - 500]) ? 1 : 0;
  const int employees = EmployeeTest(code, profile.Employees);
  if (employees >= 0) return employees;
  const int other = ProfileTest(code, profile);
  return other > 0 ? 1 : 0;
}

bool IsKnownCode(std::int32_t code) {
  if (code >= 501 && code <= 500 + kStateCount) return true;
  const CompanyProfile empty;
  return EmployeeTest(code, 0) >= 0 || ProfileTest(code, empty) >= 0;
}

}  // namespace kvx
