#pragma once
// How long a quick message stays on screen: long enough to read it, and no longer
// while nobody is pointing at it.

#include <string>

namespace qm {

// Two seconds, and one more for every fifteen words, at most ten; in milliseconds.
int ReadingTime(const std::string& text);

// The time a message has left. It runs down only while the pointer is away from the
// window; a pointer that rests on it holds the message, and when it leaves there is at
// least a second left to finish reading.
class Countdown {
 public:
  explicit Countdown(int milliseconds) : left_(milliseconds) {}
  void Pass(long long milliseconds, bool pointerOver);
  bool Expired() const { return left_ <= 0; }
  long long Left() const { return left_; }

 private:
  long long left_;
};

}  // namespace qm
