#include "book/LineCodec.h"

namespace kvx {

namespace {

// In place and without branches, so that the compiler decodes many bytes at a time.
void DecodeBytes(std::string& text) {
  for (char& c : text) {
    const unsigned char k = static_cast<unsigned char>(c);
    unsigned char d = static_cast<unsigned char>(k - 20);
    d = k < 52 ? 32 : d;
    d = k < 32 ? k : d;
    c = static_cast<char>(d);
  }
}

}  // namespace

std::string DecodeLine(std::string line) {
  DecodeBytes(line);
  return line;
}

void DecodeInto(std::string_view raw, std::string& out) {
  out.assign(raw);
  DecodeBytes(out);
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
