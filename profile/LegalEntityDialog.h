#pragma once
// The legal entity dialog: seven option buttons, one for each entity a data set can
// store. It writes the interview's working entity, or leaves it empty.

#include <string>

#include "ui/Dialog.h"

namespace kvx {

struct App;
struct InterviewAnswers;

// The entity string an option stores, and the option's caption, in the order shown.
struct EntityOption {
  const char* caption;
  const char* entity;
};
inline constexpr EntityOption kEntityOptions[] = {
    {"Sole Proprietorship", "sole proprietorship"},
    {"General Partnership", "general partnership"},
    {"Limited Partnership", "limited partnership"},
    {"Limited Liability Partnership (LLP)", "LLP"},
    {"Limited Liability Company (LLC)", "LLC"},
    {"Corporation (regular)", "corporation"},
    {"S Corporation", "S corporation"},
};
inline constexpr int kEntityCount = 7;

class LegalEntityDialog : public Dialog {
 public:
  // storedEntity is the profile's entity, checked when the company is the same one;
  // in mode 1 there is no Cancel button.
  LegalEntityDialog(InterviewAnswers& answers, const std::string& storedEntity, bool sameCompany,
                    int interviewMode);
  DialogView Describe() const override;
  void Click(int control) override;
  void Key(const std::string& key) override;
  void Close() override;  // the close box cancels
  bool Finished() const override { return finished_; }

  // Control indices.
  static constexpr int kGroupIndex = 0, kFirstOptionIndex = 1,
                       kOkIndex = kFirstOptionIndex + kEntityCount, kCancelIndex = kOkIndex + 1;

 private:
  void Ok();
  InterviewAnswers& answers_;
  int checked_ = -1;  // option index 0 to 6, -1 for none
  int mode_;
  bool finished_ = false;
};

// Runs the dialog for the company being interviewed.
void RunLegalEntityDialog(App& app, InterviewAnswers& answers, int interviewMode);

}  // namespace kvx
