#include "book/LineCodec.h"

namespace kvx {

std::string DecodeLine(std::string line) {
  for (char& c : line) {
    const unsigned char k = static_cast<unsigned char>(c);
    if (k < 32) continue;
    c = static_cast<char>(k < 52 ? 32 : k - 20);
  }
  return line;
}

std::optional<std::string> EncodeLine(std::string line) {
  for (char& c : line) {
    const unsigned char k = static_cast<unsigned char>(c);
    if (k < 32) continue;
    if (k > 235) return std::nullopt;
    c = static_cast<char>(k + 20);
  }
  return line;
}

}  // namespace kvx
