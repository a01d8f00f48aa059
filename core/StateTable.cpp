#include "core/StateTable.h"

#include "base/Files.h"

namespace kvx {

namespace {

constexpr const char* kRows[kStateCount] = {
    "Alabama AL",        "Alaska AK",         "Arizona AZ",
    "Arkansas AR",       "California CA",     "Colorado CO",
    "Connecticut CT",    "Delaware DE",       "District of Columbia DC",
    "Florida FL",        "Georgia GA",        "Hawaii HI",
    "Idaho ID",          "Illinois IL",       "Indiana IN",
    "Iowa IA",           "Kansas KS",         "Kentucky KY",
    "Louisiana LA",      "Maine ME",          "Maryland MD",
    "Massachusetts MA",  "Michigan MI",       "Minnesota MN",
    "Mississippi MS",    "Missouri MO",       "Montana MT",
    "Nebraska NE",       "Nevada NV",         "New Hampshire NH",
    "New Jersey NJ",     "New Mexico NM",     "New York NY",
    "North Carolina NC", "North Dakota ND",   "Ohio OH",
    "Oklahoma OK",       "Oregon OR",         "Pennsylvania PA",
    "Rhode Island RI",   "South Carolina SC", "South Dakota SD",
    "Tennessee TN",      "Texas TX",          "Utah UT",
    "Vermont VT",        "Virginia VA",       "Washington WA",
    "West Virginia WV",  "Wisconsin WI",      "Wyoming WY",
};

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void LoadStateTable(StateTable& table) {
  for (int i = 1; i <= kStateCount; ++i) table.States[i] = TrimBlanks(kRows[i - 1]);
}

std::string RowName(const std::string& row) {
  return row.size() >= 3 ? row.substr(0, row.size() - 3) : std::string();
}

std::string RowCode(const std::string& row) {
  return row.size() >= 2 ? row.substr(row.size() - 2) : row;
}

int StateRowOfCode(const StateTable& table, const std::string& code) {
  for (int i = 1; i <= kStateCount; ++i)
    if (!table.States[i].empty() && EqualsIgnoreCase(RowCode(table.States[i]), code)) return i;
  return 0;
}

}  // namespace kvx
