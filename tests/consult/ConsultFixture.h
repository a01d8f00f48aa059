#pragma once
// A consulting session in a temporary program folder, answered by an in-memory script.

#include <string>
#include <vector>

#include "consult/ConsultState.h"
#include "consult/ScriptReader.h"
#include "core/App.h"
#include "tests/support/TestApp.h"

namespace kvx::test {

struct Consulting {
  explicit Consulting(const std::string& answers, int topic = 1,
                      const std::string& company = "Acme Widgets")
      : t(answers) {
    t.SetProgramFolder();
    t.app.consult.ConsultTopic = topic;
    t.app.consult.ConsultCompany = company;
    for (int i = 1; i <= kTopicCount; ++i)
      t.app.consult.SessionTitle[static_cast<std::size_t>(i)] = "Title " + std::to_string(i);
  }
  void Script(const std::vector<std::string>& lines) {
    t.PutLines(ScriptFileName(t.app.consult.ConsultTopic), lines);
  }
  int Play();
  ConsultState& s() { return t.app.consult; }
  // Slots 1 to the count of the numbered transcript.
  std::vector<std::string> Lines() const;
  // The notice of a run-time error reported by Consult, as its QUICK block shows it.
  static std::string ErrorBlock(int number, const std::string& diag);
  TestApp t;
};

}  // namespace kvx::test
