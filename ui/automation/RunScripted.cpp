#include "ui/automation/RunScripted.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "ui/automation/AutomationUi.h"

namespace kvx {

int RunScripted(const std::string& scriptPath, const std::function<void(Ui&, System&)>& program) {
  std::ifstream file;
  if (scriptPath != "-") {
    file.open(scriptPath);
    if (!file) {
      std::cerr << "Cannot read the automation script " << scriptPath
                << ": check the path in KVX_SCRIPT.\n";
      return 2;
    }
  }
  std::istream& in = scriptPath == "-" ? std::cin : file;
  Script script(in, std::cout);
  const char* printer = std::getenv("KVX_PRINTER");
  const bool printerMissing = printer && std::string(printer) == "none";
  AutomationUi ui(script);
  AutomationSystem system(script, printerMissing);
  try {
    program(ui, system);
  } catch (const ScriptEnded& end) {
    return end.status;
  }
  std::cout.flush();
  return 0;
}

}  // namespace kvx
