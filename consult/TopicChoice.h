#pragma once
// The consulting command: the company under consultation, then the topic choice (FORM6)
// in a loop, each topic played by its script and the eighth choice by the calculator.

#include <string>

#include "ui/Dialog.h"

namespace kvx {

struct App;

// The option text of topic 1 to 8, and the subject line of topic 1 to 7 for a company.
std::string TopicOption(int topic);
std::string TopicSessionTitle(int topic, const std::string& company);

class TopicChoice : public Dialog {
 public:
  explicit TopicChoice(App& app);
  DialogView Describe() const override;
  void Click(int control) override;
  void Close() override { finished_ = true; }
  bool Finished() const override { return finished_; }

  // Controls in the order Describe lists them: the options are kFirstOption to +7.
  enum Item { kHeading, kTopics, kFirstOption, kOk = kFirstOption + 8, kCancel, kItems };

 private:
  App& app_;
  bool finished_ = false;
};

// The main window's consulting button: hides the main window, asks for the company,
// runs the chosen topics until the user cancels, and shows the main window again.
void ConsultingCommand(App& app);

// The first count characters of a text of UTF-8, never cutting a character in two.
std::string FirstCharacters(const std::string& text, std::size_t count);

}  // namespace kvx
