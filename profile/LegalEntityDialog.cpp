#include "profile/LegalEntityDialog.h"

#include "core/App.h"
#include "profile/Interview.h"

namespace kvx {

LegalEntityDialog::LegalEntityDialog(InterviewAnswers& answers, const std::string& storedEntity,
                                     bool sameCompany, int interviewMode)
    : answers_(answers), mode_(interviewMode) {
  if (!sameCompany) return;
  for (int i = 0; i < kEntityCount; ++i)
    if (storedEntity == kEntityOptions[i].entity) checked_ = i;
}

DialogView LegalEntityDialog::Describe() const {
  DialogView view;
  view.name = "LegalEntityDialog";
  view.title = "Legal Entity -- Select for " +
               (answers_.Company.empty() ? std::string("your business") : answers_.Company);
  view.width = 219;
  view.height = 177;
  Control group;
  group.kind = Control::Kind::Group;
  group.text = "My business is a:";
  group.rect = {12, 8, 195, 130};
  view.controls.push_back(group);
  for (int i = 0; i < kEntityCount; ++i) {
    Control option;
    option.kind = Control::Kind::Option;
    option.text = kEntityOptions[i].caption;
    option.rect = {24, 22 + 15 * i, 170, 12};
    option.checked = i == checked_;
    view.controls.push_back(option);
  }
  Control ok;
  ok.kind = Control::Kind::Button;
  ok.text = "&OK";
  // Centred when there is no Cancel beside it.
  ok.rect = {mode_ == 1 ? 83 : 48, 150, 53, 15};
  ok.isDefault = true;  // it has the focus, so Enter presses it
  view.controls.push_back(ok);
  Control cancel;
  cancel.kind = Control::Kind::Button;
  cancel.text = "&Cancel";
  cancel.cancels = true;
  cancel.rect = {118, 150, 53, 15};
  cancel.visible = mode_ != 1;
  view.controls.push_back(cancel);
  return view;
}

void LegalEntityDialog::Click(int control) {
  if (control >= kFirstOptionIndex && control < kFirstOptionIndex + kEntityCount) {
    checked_ = control - kFirstOptionIndex;
    answers_.Entity = kEntityOptions[checked_].entity;
  } else if (control == kOkIndex) {
    Ok();
  } else if (control == kCancelIndex && mode_ != 1) {
    Close();
  }
}

void LegalEntityDialog::Key(const std::string& key) {
  if (key == "Enter") Ok();
}

void LegalEntityDialog::Ok() {
  // A pre-checked option that was not clicked still counts.
  if (answers_.Entity.empty() && checked_ >= 0) answers_.Entity = kEntityOptions[checked_].entity;
  finished_ = true;
}

void LegalEntityDialog::Close() {
  answers_.Entity.clear();
  finished_ = true;
}

void RunLegalEntityDialog(App& app, InterviewAnswers& answers, int interviewMode) {
  LegalEntityDialog dialog(answers, app.profile.Entity, answers.Company == app.profile.Company,
                           interviewMode);
  app.ui.RunDialog(dialog);
}

}  // namespace kvx
