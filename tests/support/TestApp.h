#pragma once
// An App in a fresh temporary program folder, driven by an automation script held in
// memory, with its blocks collected for the test to read.

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/App.h"
#include "ui/automation/AutomationUi.h"

namespace kvx::test {

// The tax year of the edition this build is for: a test of one edition's text skips on
// the other (GTEST_SKIP), while every test of behaviour runs on both.
inline int EditionYear() {
  return BuiltEdition().taxYear;
}

// A temporary folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // ends in "/"

 private:
  std::string path_;
};

class TestSystem : public AutomationSystem {
 public:
  TestSystem(Script& script, std::string folder)
      : AutomationSystem(script), folder_(std::move(folder)) {}
  unsigned ClockSeed() override { return seed; }
  LocalTime Now() override { return now; }
  std::string ExecutablePath() override { return folder_ + exeName; }
  std::string DocumentsFolder() override { return folder_ + "docs/"; }
  std::string PublicFolder() override { return folder_ + "public/"; }
  unsigned seed = 12345;
  LocalTime now{2026, 3, 7, 9, 5, 2};
  std::string exeName = "kvx";

 private:
  std::string folder_;
};

class TestApp {
 public:
  explicit TestApp(const std::string& script = "");
  // Runs program, returning 0, or 3/4 when the script ended it.
  int Run(const std::function<void(App&)>& program);
  void Put(const std::string& name, const std::string& bytes);
  void PutLines(const std::string& name, const std::vector<std::string>& lines);
  std::string Get(const std::string& name) const;
  bool Has(const std::string& name) const;
  std::string Output() const { return out_.str(); }
  // Writes every file start-up's template check asks for, and a state file for code.
  void PutBookFiles(const std::string& stateCode = "CA");
  // Puts the program folder into the session as start-up would.
  void SetProgramFolder();
  const std::string& dir() const { return folder_.path(); }

 private:
  TempFolder folder_;
  std::istringstream in_;
  std::ostringstream out_;
  Script script_;
  AutomationUi ui_;

 public:
  TestSystem system;
  App app;
};

// The 18 lines of a complete data set for a California corporation.
std::vector<std::string> SampleDataSet();

// The number of times needle occurs in text.
int Count(const std::string& text, const std::string& needle);

}  // namespace kvx::test
