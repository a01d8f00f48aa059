#pragma once
// kvxbook check: every check reads the files of a program folder and reports each
// problem as FILE:LINE: message; notes (such as the figures not known for the edition's
// year) are listed too but are not problems.

#include <string>
#include <vector>

namespace kvxbook {

class CheckReport {
 public:
  void Add(const std::string& file, int line, const std::string& message);
  // A line the reader should see that is not a problem.
  void Note(const std::string& text);
  int problems() const { return problems_; }
  // Marks the end of the checks of the sources; the checks of the editions built from them
  // run only when those found nothing.
  void SourcesChecked() { sourceProblems_ = problems_; }
  bool SourcesClean() const { return sourceProblems_ == 0; }

 private:
  int problems_ = 0;
  int sourceProblems_ = 0;
};

// Reads a file's lines; a file that cannot be read is reported (with line 0) and gives
// false.
bool ReadCheckedLines(const std::string& path, CheckReport& report,
                      std::vector<std::string>& lines);

// dir ends in "/".
using CheckFunction = void (*)(const std::string& dir, CheckReport& report);

}  // namespace kvxbook
