#include "core/Programs.h"

#include "core/App.h"

namespace kvx {

bool StartProgram(App& app, const std::string& name, const std::vector<std::string>& args,
                  bool wait, const std::string& what) {
  std::vector<std::string> argv{app.Path(name)};
  argv.insert(argv.end(), args.begin(), args.end());
  if (app.system.Run(argv, wait)) return true;
  app.ui.ShowMessage(Box(app.session.ProgName,
                         "Corvanta could not start " + what + " (" + argv[0] +
                             ").\rCheck that the file is in the program folder, or install "
                             "Corvanta again.",
                         Icon::Exclamation));
  return false;
}

void StartHelpViewer(App& app) {
  StartProgram(app, "kvxhelp", {app.session.PathSpec}, false, "the help viewer");
}

}  // namespace kvx
