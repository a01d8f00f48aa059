// kvx: the main program. With KVX_SCRIPT set it runs windowless in automation mode.
// main wires the parts of the program together and enters; the front ends know nothing
// of the parts.

#include <cstdlib>
#include <iostream>
#include <string>

#include "core/App.h"
#include "shell/Connect.h"
#include "shell/Startup.h"
#include "ui/automation/RunScripted.h"
#ifdef KVX_HAS_GUI
#include "ui/qt/RunWithQt.h"
#endif

int main(int argc, char** argv) {
  std::string tail;
  for (int i = 1; i < argc; ++i) tail += (i > 1 ? " " : "") + std::string(argv[i]);
  const auto program = [&tail](kvx::Ui& ui, kvx::System& system) {
    kvx::App app(ui, system);
    kvx::ConnectParts(app);
    kvx::ProgramEntry(app, tail);
  };
  if (const char* script = std::getenv("KVX_SCRIPT"); script && *script)
    return kvx::RunScripted(script, program);
#ifdef KVX_HAS_GUI
  return kvx::RunWithQt(argc, argv, program);
#else
  std::cerr << "This kvx was built without its windows; set KVX_SCRIPT to run it in "
               "automation mode.\n";
  return 2;
#endif
}
