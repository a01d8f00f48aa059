#pragma once
// The 51 state editions the program knows, in their fixed order: a state's row number
// (1 to 51) is its identity everywhere in the program.

#include <array>
#include <string>

namespace kvx {

inline constexpr int kStateCount = 51;

struct StateTable {
  // Slots 1 to 51 hold "Name XX" rows; slot 0 and slot 52 stay empty.
  std::array<std::string, kStateCount + 2> States;
};

void LoadStateTable(StateTable& table);

// A row's name (without its last three characters) and code (its last two).
std::string RowName(const std::string& row);
std::string RowCode(const std::string& row);

// The row number of a postal code (letter case ignored), 0 when unknown.
int StateRowOfCode(const StateTable& table, const std::string& code);

}  // namespace kvx
