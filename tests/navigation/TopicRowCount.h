#pragma once

#include <cctype>
#include <string>

#include "navigation/TopicIndex.h"

namespace kvx::test {

// How many entries the index shows for a state, counted from the edition's own table:
// the rows without a state filter (less the start-up checklist in the generic edition),
// the rows naming "the state", and those whose filter is the state's code. An edition
// adds and removes rows; this keeps the counts honest for any of them.
inline std::size_t ShownTopicRows(const std::string& code, bool generic) {
  std::size_t shown = 0;
  for (const std::string& row : TopicLines()) {
    if (row == "@ENDINDX") break;
    if (row.find('@') == std::string::npos) {
      shown += !(generic && row.find("appendA") != std::string::npos);
    } else {
      std::string upper = row;
      for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
      shown += upper.find("@STATE") != std::string::npos || row.substr(row.size() - 2) == code;
    }
  }
  return shown;
}

}  // namespace kvx::test
