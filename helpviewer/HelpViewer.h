#pragma once
// The help viewer: the contents dialog lists the topics; choosing one assembles its
// sections from HELP.TXT and shows them in the text dialog.

#include <string>
#include <vector>

#include "helpviewer/HelpStart.h"
#include "ui/Dialog.h"

namespace kvx {
class Ui;
}

namespace kvx::help {

inline constexpr const char* kProgName = "Corvanta";

class HelpViewer {
 public:
  HelpViewer(Ui& ui, HelpStart start) : ui_(ui), start_(std::move(start)) {}
  // Shows the help for code ("@I0007|0007"), or the message of what went wrong.
  void GetHelp(const std::string& code);
  void Notice(const std::string& text);  // information icon, titled "Corvanta"
  Ui& ui() { return ui_; }
  const HelpStart& start() const { return start_; }

 private:
  std::string Assemble(const std::string& code, std::string& stepMark);
  Ui& ui_;
  HelpStart start_;
};

class ContentsDialog : public Dialog {
 public:
  enum : int { kLabel, kList, kSelect, kClose };
  explicit ContentsDialog(HelpViewer& viewer);
  DialogView Describe() const override;
  void Click(int control) override;
  void Select(int control, int row) override;
  void DoubleClick(int control, int row) override;
  // Enter on the list does what the Select button does, for a keyboard user.
  void Key(const std::string& key) override;
  void Close() override { finished_ = true; }
  bool Finished() const override { return finished_; }
  const std::string& HelpCode() const { return helpCode_; }

 private:
  void ShowHelp();
  HelpViewer& viewer_;
  std::vector<std::string> rows_;  // display forms, in table order
  int selected_ = -1;
  std::string helpCode_;
  bool finished_ = false;
};

class HelpTextDialog : public Dialog {
 public:
  enum : int { kText, kOk };
  explicit HelpTextDialog(std::string text) : text_(std::move(text)) {}
  DialogView Describe() const override;
  void Click(int control) override {
    if (control == kOk) finished_ = true;
  }
  void Close() override { finished_ = true; }
  bool Finished() const override { return finished_; }

 private:
  std::string text_;
  bool finished_ = false;
};

// The whole program: start, then the contents dialog until it is closed.
void RunHelpViewer(Ui& ui, const std::string& argument);

}  // namespace kvx::help
