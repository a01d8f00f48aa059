#pragma once
// The session window (FORM5): a question of a running script with yes/no buttons or a
// number field, help for the screen, and at the end the transcript with its print button.

#include <string>

#include "ui/Dialog.h"

namespace kvx {

struct App;

class SessionWindow : public Dialog {
 public:
  explicit SessionWindow(App& app);
  DialogView Describe() const override;
  void Click(int control) override;
  void Type(int control, const std::string& text) override;
  void Key(const std::string& key) override;
  void Close() override;
  bool Finished() const override { return finished_; }

  // The controls, in the order Describe lists them.
  enum Item { kSubject, kText, kPrompt, kNumber, kEnter, kYes, kNo, kClose, kHelp, kItems };

 private:
  void Enter();
  App& app_;
  std::string number_ = "1";
  bool finished_ = false;
};

// Shows the session window for app.consult.AnswerMode until it closes; Answer then holds
// what the user gave ("" when nothing).
void ShowSessionWindow(App& app);

// Shows the help block of question app.consult.QuestionNumber.
void ShowScreenHelp(App& app);

// The text of the help block of question number in the help lines; empty when there is
// none.
std::string HelpText(const std::vector<std::string>& helpLines, int number);

}  // namespace kvx
