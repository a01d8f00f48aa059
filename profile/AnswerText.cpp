#include "profile/AnswerText.h"

namespace kvx {

namespace {

constexpr std::int32_t kMostEmployees = 1000000;

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

}  // namespace

std::string WithoutControls(std::string text) {
  for (char& c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) c = ' ';
  }
  return text;
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

std::string CutToCharacters(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t n = 0; n < count && end < text.size(); ++n) {
    ++end;
    // A character is its first byte and at most three continuation bytes; a stray
    // continuation byte counts as a character of its own.
    for (int more = 0;
         more < 3 && end < text.size() && IsContinuation(static_cast<unsigned char>(text[end]));
         ++more)
      ++end;
  }
  return text.substr(0, end);
}

std::string MixedCase(std::string text) {
  bool wordStart = true;
  for (char& c : text) {
    if (c == ' ') {
      wordStart = true;
      continue;
    }
    if (wordStart && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (!wordStart && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    wordStart = false;
  }
  return text;
}

std::optional<std::int32_t> EmployeeCount(const std::string& answer) {
  std::size_t i = 0;
  while (i < answer.size() && (answer[i] == ' ' || answer[i] == '\t')) ++i;
  // "six", "-3" and "+3" alike are no count: the question is asked again.
  if (i == answer.size() || answer[i] < '0' || answer[i] > '9') return std::nullopt;
  std::int64_t value = 0;
  for (; i < answer.size(); ++i) {
    const char c = answer[i];
    if (c == ',') continue;  // 1,500 is 1500
    if (c < '0' || c > '9') break;
    // Beyond the cap the digits no longer matter, so a long answer cannot overflow.
    if (value <= kMostEmployees) value = value * 10 + (c - '0');
  }
  return static_cast<std::int32_t>(value > kMostEmployees ? kMostEmployees : value);
}

}  // namespace kvx
