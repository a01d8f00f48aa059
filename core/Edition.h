#pragma once
// What the edition this program was built for says of itself: its version text, the tax
// year its advice and its calculator are for, and the maker's lines of the about box. The
// values come from the edition's folder of the book's data, compiled in.

#include <string>
#include <vector>

namespace kvx {

struct Edition {
  std::string version;  // "2026.Q4"
  int taxYear = 0;
  std::vector<std::string> aboutLines;
};

const Edition& BuiltEdition();

}  // namespace kvx
