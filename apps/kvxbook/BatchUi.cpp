#include "BatchUi.h"

#include <iostream>

#include "Commands.h"
#include "shell/Connect.h"

namespace kvxbook {

using kvx::Button;

// Each box goes through the automation front end with a script of at most one line:
// the answer chosen here, or none, so that a question nobody answers ends the batch
// with "== END" exactly as an automation run would.
Button BatchUi::ShowMessage(const kvx::MessageBox& box) {
  shown.push_back(box.text);
  std::string answer;
  if (box.buttons == kvx::kOk) {
    answer = "OK";
  } else if (!answers.empty()) {
    answer = kvx::ButtonName(answers.front());
    answers.pop_front();
  }
  std::istringstream line(answer);
  kvx::Script script(line, out_);
  kvx::AutomationUi ui(script);
  return ui.ShowMessage(box);
}

std::optional<std::string> BatchUi::Input(const std::string& title, const std::string& prompt,
                                          const std::string& defaultAnswer) {
  return automation_.Input(title, prompt, defaultAnswer);
}

void BatchUi::RunDialog(kvx::Dialog& dialog) {
  automation_.RunDialog(dialog);
}
void BatchUi::HideMainWindow(const std::string& name) {
  automation_.HideMainWindow(name);
}
void BatchUi::ShowMainWindow(const std::string& name) {
  automation_.ShowMainWindow(name);
}

BatchApp::BatchApp(std::ostream& out)
    : script_(noLines_, out), ui(script_, out), system(script_), app(ui, system) {
  kvx::LoadStateTable(app.states);
  kvx::ConnectParts(app);  // the wiring kvx has: a build that needs the interview asks it
}

int BatchApp::Run(int (*body)(kvx::App&, const std::vector<std::string>&),
                  const std::vector<std::string>& args) {
  int status = kFailed;
  try {
    status = body(app, args);
  } catch (const kvx::ScriptEnded& end) {
    status = end.status;
  }
  std::cout.flush();
  return status;
}

}  // namespace kvxbook
