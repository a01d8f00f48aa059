#pragma once
// kvxbook check: every check reads the files of a program folder and reports each
// problem as FILE:LINE: message.

#include <string>

namespace kvxbook {

class CheckReport {
 public:
  void Add(const std::string& file, int line, const std::string& message);
  int problems() const { return problems_; }

 private:
  int problems_ = 0;
};

// dir ends in "/".
using CheckFunction = void (*)(const std::string& dir, CheckReport& report);

}  // namespace kvxbook
