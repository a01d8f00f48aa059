#include "book/LineCodec.h"

#include <array>

namespace kvx {

namespace {

constexpr std::array<char, 256> MakeDecodeTable() {
  std::array<char, 256> table{};
  for (int k = 0; k < 256; ++k) table[k] = static_cast<char>(k < 32 ? k : k < 52 ? 32 : k - 20);
  return table;
}

constexpr std::array<char, 256> kDecode = MakeDecodeTable();

}  // namespace

std::string DecodeLine(std::string line) {
  for (char& c : line) c = kDecode[static_cast<unsigned char>(c)];
  return line;
}

void DecodeInto(std::string_view raw, std::string& out) {
  out.assign(raw);
  // In place and without branches, so that the compiler decodes many bytes at a time.
  for (char& c : out) {
    const unsigned char k = static_cast<unsigned char>(c);
    unsigned char d = static_cast<unsigned char>(k - 20);
    d = k < 52 ? 32 : d;
    d = k < 32 ? k : d;
    c = static_cast<char>(d);
  }
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
