#pragma once
// The selection dialog: a drop-down list of the state editions whose chapter file is
// present (state mode), or of the 25 business categories (business-type mode). In
// mode 1 (the first run) it has no Cancel button.

#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace kvx {

struct App;
struct InterviewAnswers;

class SelectionDialog : public Dialog {
 public:
  // State mode: lists the states whose chapter file exists, the current one selected.
  SelectionDialog(App& app, int copyMode);
  // Business-type mode, for the company being interviewed.
  SelectionDialog(App& app, InterviewAnswers& answers, int copyMode);

  DialogView Describe() const override;
  void Click(int control) override;
  void Select(int control, int row) override;
  void Key(const std::string& key) override;  // Enter presses OK
  void Close() override;
  bool Finished() const override { return finished_; }

  bool HasChoices() const { return rows_.size() > 1; }
  // Business-type mode: "Y" when the user left without choosing, "N" when a category
  // was chosen; empty while the dialog is open.
  const std::string& NoSelection() const { return noSelection_; }

  static constexpr int kLabelIndex = 0, kListIndex = 1, kOkIndex = 2, kCancelIndex = 3;

 private:
  void Ok();
  void PickState(const std::string& row);
  void PickCategory(const std::string& row);
  App& app_;
  InterviewAnswers* answers_ = nullptr;  // business-type mode only
  int copyMode_;
  std::vector<std::string> rows_, shownRows_;  // row 0 is the prompt row
  int selected_ = 0;
  std::string chosenName_, chosenCode_;  // state mode
  std::string noSelection_;
  bool finished_ = false;
};

// The state-mode dialog; sets the state on confirmation (QuitFlag 1, the main window is
// rebuilt), or ends the program (QuitFlag -1) when no state chapter is present at all.
void SelectStateEdition(App& app, int copyMode);

// The business-type dialog for the interview; true when a category was chosen.
bool SelectBusinessType(App& app, InterviewAnswers& answers, int interviewMode);

}  // namespace kvx
