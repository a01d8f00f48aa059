#include "tests/consult/ConsultFixture.h"

#include "consult/ScriptInterpreter.h"
#include "consult/Transcript.h"
#include "core/Messages.h"

namespace kvx::test {

int Consulting::Play() {
  return t.Run([](App& app) { Consult(app); });
}

std::vector<std::string> Consulting::Lines() const {
  const ConsultState& c = t.app.consult;
  const auto n = static_cast<std::size_t>(TranscriptCount(c));
  return std::vector<std::string>(c.TranscriptLines.begin() + 1,
                                  c.TranscriptLines.begin() + 1 + static_cast<long>(n));
}

std::string Consulting::ErrorBlock(int number, const std::string& diag) {
  return "== QUICK\ntext: " + ErrorNotice(number, "Consult", diag) + "\n\n";
}

}  // namespace kvx::test
