#include "qm/ReadingTime.h"

#include <algorithm>

namespace qm {

namespace {

constexpr int kLeast = 2000, kMost = 10000, kPerWord = 1000, kWords = 15;
constexpr int kAfterPointer = 1000;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

int ReadingTime(const std::string& text) {
  long long words = 0;
  bool inWord = false;
  for (char c : text) {
    if (!IsSpace(c) && !inWord) ++words;
    inWord = !IsSpace(c);
  }
  return static_cast<int>(std::min<long long>(kMost, kLeast + words * kPerWord / kWords));
}

void Countdown::Pass(long long milliseconds, bool pointerOver) {
  if (pointerOver)
    left_ = std::max<long long>(left_, kAfterPointer);
  else
    left_ -= std::max(0LL, milliseconds);
}

}  // namespace qm
