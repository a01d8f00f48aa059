#include "ScriptCheck.h"

#include <iostream>

#include "base/Files.h"
#include "consult/ConsultState.h"
#include "consult/ScriptCheck.h"
#include "consult/ScriptReader.h"

namespace kvxbook {

void CheckScripts(const std::string& dir, CheckReport& report) {
  // A folder that holds only a book (a book being written) has no scripts to check; one
  // that holds any script must hold all seven.
  bool any = false;
  for (int topic = 1; topic <= kvx::kTopicCount; ++topic)
    any = any || kvx::Exist(dir + kvx::ScriptFileName(topic));
  if (!any) {
    std::cerr << "kvxbook: no consultation scripts in " << dir << "\n";
    return;
  }
  for (int topic = 1; topic <= kvx::kTopicCount; ++topic) {
    const std::string name = kvx::ScriptFileName(topic);
    const std::string path = kvx::Resolve(dir + name);
    if (!kvx::Exist(path)) {
      report.Add(name, 0, "the script of topic " + std::to_string(topic) + " is missing");
      continue;
    }
    for (const kvx::ScriptProblem& p : kvx::CheckScript(path, topic))
      report.Add(kvx::NameOf(path), p.line, p.message);
  }
}

}  // namespace kvxbook
