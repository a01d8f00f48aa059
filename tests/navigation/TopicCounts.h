#pragma once

// What the built topic table holds, counted from its rows, so that the counts a loaded index
// must show follow the edition's own rows rather than one edition's numbers.

#include <cstddef>
#include <map>
#include <string>

#include "navigation/TopicIndex.h"

namespace kvx::test {

struct TopicCounts {
  std::size_t entries = 0;                      // rows before "@ENDINDX"
  std::size_t filtered = 0;                     // rows that end in a state filter
  std::map<std::string, std::size_t> perState;  // filtered rows by postal code

  // The rows the index keeps for a state: every unfiltered row and the state's own.
  std::size_t ShownFor(const std::string& code) const {
    const auto own = perState.find(code);
    return entries - filtered + (own == perState.end() ? 0 : own->second);
  }
};

inline TopicCounts CountTopicTable() {
  TopicCounts counts;
  for (const std::string& row : TopicLines()) {
    if (row == "@ENDINDX") break;
    ++counts.entries;
    if (row.size() > 3 && row[row.size() - 3] == '@') {
      ++counts.filtered;
      ++counts.perState[row.substr(row.size() - 2)];
    }
  }
  return counts;
}

}  // namespace kvx::test
