#include "profile/SelectionDialog.h"

#include "base/Files.h"
#include "core/App.h"
#include "profile/AnswerText.h"
#include "profile/InitBizDesc.h"
#include "profile/Interview.h"

namespace kvx {

namespace {

constexpr int kWidth = 203, kHeight = 207;
constexpr std::size_t kDescriptionLength = 32;
// The blanks push a category's number out of sight; the dialog reads it back from the
// row's last two characters.
const std::string kNumberGap(60, ' ');

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

SelectionDialog::SelectionDialog(App& app, int copyMode) : app_(app), copyMode_(copyMode) {
  rows_.push_back("...Select State from List...");
  for (int i = 1; i <= kStateCount; ++i) {
    const std::string& row = app.states.States[i];
    if (row.size() < 4 || !Exist(app.Path(RowCode(row) + ".dat"))) continue;
    if (RowCode(row) == app.profile.StateCode) selected_ = static_cast<int>(rows_.size());
    rows_.push_back(row);
  }
}

SelectionDialog::SelectionDialog(App& app, InterviewAnswers& answers, int copyMode)
    : app_(app), answers_(&answers), copyMode_(copyMode) {
  CompanyProfile& p = app.profile;
  const bool same = answers.Company == p.Company;
  if (!answers.Company.empty() && !same) InitBizDesc(p);
  if (same) {
    answers.BizCategory = p.BizCategory;
    answers.BizDescription = p.BizDescription;
  }
  rows_.push_back("...Select Type of Business...");
  shownRows_.push_back(rows_.back());
  for (int i = 1; i <= kBizCategories; ++i) {
    rows_.push_back(p.BizDesc[i] + kNumberGap + "|" + TwoDigits(i));
    shownRows_.push_back(p.BizDesc[i]);
  }
  if ((answers.Company.empty() || same) && p.BizCategory >= 1 && p.BizCategory <= kBizCategories)
    selected_ = p.BizCategory;
}

DialogView SelectionDialog::Describe() const {
  const bool states = answers_ == nullptr;
  DialogView view;
  view.name = "SelectionDialog";
  view.title = states ? "Select State" : "Select Type of Business";
  view.width = kWidth;
  view.height = kHeight;
  Control label;
  label.text = states ? "Select state edition of Opusgrand that you wish to create/install."
                      : "Select one of the 25 business categories that best describes the type "
                        "of your business.";
  label.rect = {10, 10, kWidth - 20, 24};
  view.controls.push_back(label);
  Control list;
  list.kind = Control::Kind::DropDown;
  list.rect = {10, 44, kWidth - 20, 14};
  list.rows = rows_;
  list.shownRows = shownRows_;
  list.selected = selected_;
  view.controls.push_back(list);
  Control ok;
  ok.kind = Control::Kind::Button;
  ok.text = "&OK";
  ok.rect = {copyMode_ == 1 ? (kWidth - 53) / 2 : kWidth / 2 - 53 - 5, kHeight - 30, 53, 15};
  view.controls.push_back(ok);
  Control cancel;
  cancel.kind = Control::Kind::Button;
  cancel.text = "&Cancel";
  cancel.cancels = true;
  cancel.rect = {kWidth / 2 + 5, kHeight - 30, 53, 15};
  cancel.visible = copyMode_ != 1;
  view.controls.push_back(cancel);
  return view;
}

void SelectionDialog::Select(int control, int row) {
  if (control != kListIndex || row < 0 || row >= static_cast<int>(rows_.size())) return;
  selected_ = row;
  // The prompt row is known by its place, so a description of the user's own that
  // holds "..." can still be picked.
  if (row == 0) return;
  if (answers_)
    PickCategory(rows_[static_cast<std::size_t>(row)]);
  else
    PickState(rows_[static_cast<std::size_t>(row)]);
}

void SelectionDialog::PickState(const std::string& row) {
  chosenCode_ = RowCode(row);
  chosenName_ = RowName(row);
}

void SelectionDialog::PickCategory(const std::string& row) {
  InterviewAnswers& w = *answers_;
  w.BizCategory = LeadingInt32(row.substr(row.size() - 2)).value_or(0);
  w.BizDescription = TrimSpaces(row.substr(0, row.size() - 3));
  if (w.BizCategory == 23 || w.BizCategory == 24) {
    const std::optional<std::string> answer = app_.ui.Input(
        "Describe Type of Business",
        std::string("Enter a short description of the type of ") +
            (w.BizCategory == 23 ? "service your company provides, such as 'Loan Shark':"
                                 : "business your company is in, such as 'Pro Lawn Bowling Team':"),
        w.BizDescription);
    const std::string text = WithoutControls(answer.value_or(std::string()));
    if (IsBlank(text)) {
      w.BizDescription.clear();
      w.BizCategory = 0;
      selected_ = 0;  // nothing is chosen now, so the list says so
      return;
    }
    w.BizDescription = MixedCase(CutToCharacters(text, kDescriptionLength));
    noSelection_ = "N";
    finished_ = true;
  }
  // The user's own description lives in the working answers only until completion.
  InitBizDesc(app_.profile);
}

void SelectionDialog::Click(int control) {
  if (control == kOkIndex) {
    Ok();
  } else if (control == kCancelIndex && copyMode_ != 1) {
    if (answers_) noSelection_ = "Y";
    finished_ = true;
  }
}

void SelectionDialog::Key(const std::string& key) {
  if (key == "Enter") Ok();
}

void SelectionDialog::Ok() {
  CompanyProfile& p = app_.profile;
  if (answers_) {
    if (answers_->BizCategory > 0) {
      noSelection_ = "N";
      finished_ = true;
      return;
    }
    const Button answer =
        app_.ui.ShowMessage(Box("Error -- No selection made",
                                std::string("No business type selection made.") + "\r\r" +
                                    "Please select the type of business, or 'Cancel.'",
                                Icon::Stop, kRetry | kCancel, kRetry));
    if (answer == kCancel) {
      noSelection_ = "Y";
      finished_ = true;
    }
    return;
  }
  if (!chosenCode_.empty() && chosenCode_ != p.StateCode) {
    const Button answer = app_.ui.ShowMessage(Box(
        "Select \"Opusgrand in " + chosenName_ + "\"?",
        "You have selected " + chosenName_ + " as the state edition you wish to install." + "\r\r" +
            "Are you sure " + UpperAscii(chosenName_) + " is the state you wish to select?",
        Icon::Question, kYes | kNo | kCancel, kNo));
    // A chapter file that vanished since the list was filled is not taken.
    if (answer == kYes && Exist(app_.Path(chosenCode_ + ".dat"))) {
      p.StateCode = chosenCode_;
      p.StateName = chosenName_;
      app_.session.QuitFlag = 1;
    }
  }
  finished_ = true;
}

void SelectionDialog::Close() {
  if (answers_ && noSelection_ != "N") noSelection_ = "Y";
  finished_ = true;
}

void SelectStateEdition(App& app, int copyMode) {
  SelectionDialog dialog(app, copyMode);
  if (!dialog.HasChoices()) {
    app.ui.ShowMessage(Box(app.session.ProgName,
                           std::string("Fatal Error: Unable to find any state chapters (__.DAT "
                                       "files)! ") +
                               "\r\r" +
                               "Files (e.g., CA.DAT, NY.DAT, etc.) should be in directory " +
                               app.session.PathSpec + "\r\r" + "Click 'OK' to exit program now",
                           Icon::Stop));
    app.session.QuitFlag = -1;
    return;
  }
  app.ui.RunDialog(dialog);
}

bool SelectBusinessType(App& app, InterviewAnswers& answers, int interviewMode) {
  SelectionDialog dialog(app, answers, interviewMode);
  app.ui.RunDialog(dialog);
  return dialog.NoSelection() == "N";
}

}  // namespace kvx
