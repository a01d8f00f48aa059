#pragma once
// How every line of a template file and a state file is stored: each printable byte
// raised by 20, so the stored byte 52 is a space. Works on bytes, not characters.

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// Bytes below 32 stay, 32 to 51 become a space, 52 and above are lowered by 20.
std::string DecodeLine(std::string line);

// The same, decoding raw into out (replacing its content), for callers that reuse a
// buffer line after line.
void DecodeInto(std::string_view raw, std::string& out);

// The inverse for text made of bytes up to 235; nullopt when a byte above 235 cannot be
// stored. Bytes below 32 stay as they are.
std::optional<std::string> EncodeLine(std::string line);

}  // namespace kvx
