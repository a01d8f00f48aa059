#pragma once
// The windowless front end: every box and dialog is written as a block and answered by
// the next script line.

#include "ui/Dialog.h"
#include "ui/PosixSystem.h"
#include "ui/Ui.h"
#include "ui/automation/Script.h"

namespace kvx {

// A button as script lines and blocks name it: "OK", "Yes", "No", "Retry", "Cancel".
const char* ButtonName(Button b);

class AutomationUi : public Ui {
 public:
  explicit AutomationUi(Script& script) : script_(script) {}
  Button ShowMessage(const MessageBox& box) override;
  std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultAnswer) override;
  void RunDialog(Dialog& dialog) override;
  void HideMainWindow(const std::string& name) override;
  void ShowMainWindow(const std::string& name) override;

 private:
  void WriteDialog(const DialogView& view);
  // Carries out one script line on the dialog, or rejects it as BAD.
  void Act(Dialog& dialog, const DialogView& view, const std::string& line);
  Script& script_;
};

// Writes what would be started, browsed or printed, and starts nothing.
class AutomationSystem : public PosixSystem {
 public:
  explicit AutomationSystem(Script& script, bool printerMissing = false)
      : script_(script), printerMissing_(printerMissing) {}
  bool Run(const std::vector<std::string>& argv, bool wait) override;
  bool RunQuickMessage(const std::string& programDir, const std::string& message) override;
  bool Browse(const std::string& address) override;
  bool HasDefaultPrinter() override { return !printerMissing_; }
  void SetPrinterMissing(bool missing) { printerMissing_ = missing; }
  bool Print(const PrintJob& job) override;
  // Writes the PRINT block with the file's path; no file is made.
  bool SavePdf(const PrintJob& job, const std::string& path) override;

 private:
  void WritePages(const PrintJob& job, const std::string& file);
  Script& script_;
  bool printerMissing_;
};

// The text of a control line of a DIALOG block ("button: &OK [default]"); empty for
// controls the block does not show.
std::string ControlLine(const Control& control);

}  // namespace kvx
