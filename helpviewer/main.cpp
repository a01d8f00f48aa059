// kvxhelp: the help viewer, started by kvx with the program folder as its one argument.
// With KVX_SCRIPT set it runs windowless in automation mode.

#include <cstdlib>
#include <iostream>
#include <string>

#include "helpviewer/HelpViewer.h"
#include "ui/automation/RunScripted.h"
#ifdef KVX_HAS_GUI
#include "ui/qt/RunWithQt.h"
#endif

int main(int argc, char** argv) {
  // A folder typed unquoted with blanks in its name arrives in pieces.
  std::string argument;
  for (int i = 1; i < argc; ++i) argument += (i > 1 ? " " : "") + std::string(argv[i]);
  const auto program = [&argument](kvx::Ui& ui, kvx::System&) {
    kvx::help::RunHelpViewer(ui, argument);
  };
  if (const char* script = std::getenv("KVX_SCRIPT"); script && *script)
    return kvx::RunScripted(script, program);
#ifdef KVX_HAS_GUI
  return kvx::RunWithQt(argc, argv, program);
#else
  std::cerr << "This kvxhelp was built without its windows; set KVX_SCRIPT to run it in "
               "automation mode.\n";
  return 2;
#endif
}
