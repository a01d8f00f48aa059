#include "profile/Interview.h"

#include <random>

#include "base/Files.h"
#include "core/App.h"
#include "core/Messages.h"
#include "profile/AnswerText.h"
#include "profile/DataFileName.h"
#include "profile/DataSets.h"
#include "profile/InitBizDesc.h"
#include "profile/InterviewQuestions.h"
#include "profile/LegalEntityDialog.h"
#include "profile/SelectionDialog.h"

namespace kvx {

namespace {

constexpr const char* CR = "\r";
constexpr const char* CRLF = "\r\n";
constexpr std::size_t kNameLength = 30;

// One run of the interview: the working answers live here, apart from the profile,
// and vanish however the run ends.
class InterviewRun {
 public:
  InterviewRun(App& app, int mode) : app_(app), s_(app.session), p_(app.profile), mode_(mode) {}
  void Run();

 private:
  bool Same() const { return w_.Company == p_.Company; }
  // "Data set for ... remains unchanged." when there is a current company.
  std::string Unchanged() const {
    return p_.Company.empty() ? std::string()
                              : "Data set for " + p_.Company + " remains unchanged.";
  }
  void Cancel(const std::string& lead) { QuickMessage(app_, lead + CRLF + CRLF + Unchanged()); }
  std::string YesNo(const std::string& title, const std::string& text, bool yesDefault) {
    const Button b =
        app_.ui.ShowMessage(Box(title, text, Icon::Question, kYes | kNo, yesDefault ? kYes : kNo));
    return b == kYes ? "Y" : "N";
  }
  // The business-type dialog may have refilled the category names meanwhile: the
  // current company's own description goes back to its category.
  void KeepOwnDescription() {
    if (p_.BizCategory >= 1 && p_.BizCategory <= kBizCategories)
      p_.BizDesc[static_cast<std::size_t>(p_.BizCategory)] = p_.BizDescription;
  }
  void Error(const std::string& title, const std::string& text) {
    app_.ui.ShowMessage(Box(title, text, Icon::Stop));
  }

  bool AskCompany();
  bool AskFileName();
  bool AskEntity();
  bool AskEmployees();
  void AskRevenues();
  bool AskBusinessType();
  void AskInventories();
  void Complete();

  App& app_;
  Session& s_;
  CompanyProfile& p_;
  const int mode_;
  InterviewAnswers w_;
};

void InterviewRun::Run() {
  s_.NewFileName.clear();
  if (!AskCompany() || !AskFileName() || !AskEntity()) return;
  const std::string& entity = w_.Entity;
  const std::string& n = w_.Company;
  if (entity == "sole proprietorship")
    w_.SoleOwner = "Y";
  else if (Contains(entity, "partnership") || Contains(entity, "LLP"))
    w_.SoleOwner = "N";
  else
    w_.SoleOwner =
        YesNo("Sole ownership question", SoleOwnershipText(n, entity, p_.StateCode, p_.StateName),
              Same() && p_.SoleOwner == "Y");
  if (entity != "corporation")
    w_.CloselyHeld = "N";
  else if (w_.SoleOwner == "Y")
    w_.CloselyHeld = "Y";
  else
    w_.CloselyHeld = YesNo("Closely-held C corporation question", CloselyHeldText(n),
                           !(Same() && p_.CloselyHeld == "N"));
  w_.InExistence = YesNo("Determine if the business is in existence",
                         "Is " + n + " already in existence?", !(Same() && p_.InExistence == "N"));
  if (!AskEmployees()) return;
  AskRevenues();
  w_.RetirementPlan = YesNo("Qualified retirement plan question", RetirementPlanText(n, entity),
                            Same() && p_.RetirementPlan == "Y");
  w_.WelfarePlans = w_.Employees > 0
                        ? YesNo("Employee welfare benefit plan question", WelfarePlansText(n),
                                !(Same() && p_.WelfarePlans == "N"))
                        : "N";
  if (StartsWith(entity, "sole p"))
    w_.ForeignInvestors = p_.ForeignInvestors.empty() ? "N" : p_.ForeignInvestors;
  else
    w_.ForeignInvestors =
        YesNo("Foreign investors in U.S. question", ForeignInvestorsText(n, entity),
              Same() && p_.ForeignInvestors == "Y");
  w_.Franchise = YesNo("Franchise Operation?", FranchiseText(n), Same() && p_.Franchise == "Y");
  if (!AskBusinessType()) return;
  AskInventories();
  if (mode_ == 2) {
    const std::string title = "Create \"Opusgrand in " + p_.StateName + "\" now?";
    if (YesNo(title, ConfirmationText(n, p_.StateName), true) != "Y") {
      s_.NewFileName.clear();
      QuickMessage(app_, std::string("Data from Interview has been erased from memory.") + CRLF +
                             CRLF + Unchanged());
      KeepOwnDescription();
      return;
    }
  }
  Complete();
}

bool InterviewRun::AskCompany() {
  for (;;) {
    const std::optional<std::string> answer = app_.ui.Input(
        "Name of Company",
        "Enter the name of your company, as you wish it to appear in the book (30 characters "
        "or less):",
        p_.Company.empty() ? std::string("Acme Pizza Parlor") : p_.Company);
    // A name goes into one line of the data set: no control characters; only blanks is
    // no name at all.
    const std::string name = WithoutControls(answer.value_or(std::string()));
    if (!IsBlank(name)) {
      w_.Company = CutToCharacters(name, kNameLength);
      return true;
    }
    if (mode_ == 2) {
      Cancel("Canceling interview routine.... ");
      return false;
    }
    QuickMessage(app_,
                 "Please enter a name for your business, even if you are still in the planning "
                 "stage, and have not yet decided upon a business name.");
  }
}

bool InterviewRun::AskFileName() {
  // The same company again: the answers overwrite the current data set.
  if (Same()) return true;
  for (int cancels = 1;; ++cancels) {
    if (const auto name = GetDataFileName(app_, FileNamePrompt::NewFile, w_.Company)) {
      s_.NewFileName = *name;
      return true;
    }
    if (mode_ == 2) {
      QuickMessage(app_, "Canceling interview routine....");
      return false;
    }
    if (cancels == 1) {
      Error("Error -- No file name entered",
            std::string("Let's try that again... You need to enter a file name to save the") + CR +
                "company data for " + w_.Company + " under, in order to continue the interview.");
      continue;
    }
    const Button b = app_.ui.ShowMessage(
        Box("Cancel interview?",
            "Do you want to cancel the interview now, without completing installation?",
            Icon::Question, kYes | kNo, kNo));
    if (b == kYes) {
      QuickMessage(app_, "Canceling interview, exiting program " + s_.ExeName);
      s_.QuitFlag = -1;
      return false;
    }
    QuickMessage(app_, "Assigning a number file name, since you did not enter a file name.");
    s_.NewFileName = NumberFileName(app_);
    return true;
  }
}

bool InterviewRun::AskEntity() {
  for (;;) {
    RunLegalEntityDialog(app_, w_, mode_);
    if (!w_.Entity.empty()) return true;
    if (mode_ == 2) {
      s_.NewFileName.clear();
      Cancel("No entity selected -- canceling interview routine.... ");
      return false;
    }
    Error("Error -- You must make a selection",
          std::string("Please select the type of legal form (legal entity) in which ") + CR +
              w_.Company + " does (or will do) business.");
  }
}

bool InterviewRun::AskEmployees() {
  const std::string prompt = "Enter the number of employees " + PromptText(w_.Company) +
                             " has, or expects to have in the near future. (Enter '0' if none.)";
  const std::string suggested =
      !Same() ? std::string() : (p_.Employees == 0 ? std::string("0") : p_.EmployeesText);
  for (;;) {
    const std::optional<std::string> answer =
        app_.ui.Input("Question: Number of Employees", prompt, suggested);
    const std::string text = answer.value_or(std::string());
    if (text.empty() && mode_ == 2) {
      s_.NewFileName.clear();
      Cancel("Canceling interview routine.... ");
      return false;
    }
    // Blanks alone are no answer either; in mode 2 only the empty box cancels.
    if (IsBlank(WithoutControls(text))) {
      QuickMessage(app_,
                   "Please enter the number of employees the business has, or will have, from 0 "
                   "to 1,000,000.");
      continue;
    }
    const std::optional<std::int32_t> count = EmployeeCount(text);
    if (!count) continue;  // a negative number is asked again
    w_.Employees = *count;
    w_.EmployeesText = std::to_string(*count);
    return true;
  }
}

void InterviewRun::AskRevenues() {
  const std::string title = "Question: Average annual gross revenues of " + w_.Company + "?";
  const bool same = Same();
  const std::string& stored = p_.Revenues;
  if (YesNo(title,
            "Are " + w_.Company + "'s average annual GROSS revenues for the" + CR +
                "last 3 years (or expected revenues in the near future, if it" + CR +
                "has no 3-year history) greater than $1 million a year?",
            same && StartsWith(stored, "Over")) == "N") {
    w_.Revenues = "Under $1 million";
    return;
  }
  if (YesNo(title, "Do revenues (or will revenues) exceed $5 million a year?",
            same && (Contains(stored, "$10") || Contains(stored, "$5"))) == "N") {
    w_.Revenues = "Over $1 million";
    return;
  }
  w_.Revenues = YesNo(title, "Do revenues (or will revenues) exceed $10 million a year?",
                      same && Contains(stored, "$10")) == "Y"
                    ? "Over $10 million"
                    : "Over $5 million";
}

bool InterviewRun::AskBusinessType() {
  for (;;) {
    if (SelectBusinessType(app_, w_, mode_)) return true;
    if (mode_ == 2) {
      s_.NewFileName.clear();
      KeepOwnDescription();
      Cancel("No business type selected -- canceling interview routine.... ");
      return false;
    }
    Error("Error -- You must make a selection",
          std::string("Please select the business category that most closely") + CR + "describes " +
              w_.Company + "'s main type of business.");
  }
}

void InterviewRun::AskInventories() {
  const bool known = mode_ == 2 && Same() && p_.BizCategory == w_.BizCategory;
  const InventoriesQuestion q = InventoriesText(w_.BizCategory, w_.BizDescription, w_.Company,
                                                w_.Entity, known, p_.Inventories);
  w_.Inventories =
      YesNo("Inventories Question -- Business is: " + w_.BizDescription, q.text, q.yesDefault);
}

void InterviewRun::Complete() {
  const std::string file = s_.NewFileName.empty() ? s_.DataFile : s_.NewFileName;
  std::string notice = "Creating book (Opusgrand in " + p_.StateName + ") now.";
  if (Exist(app_.Path("GENERIC.TXT"))) {
    notice += " (Non-generic version)";
    DeleteIfExists(app_.Path("GENERIC.TXT"));
  } else {
    notice += " (For " + w_.Company + ")";
  }
  // A new company saved under the name of an existing data set replaces that file: say
  // so, so that nothing is lost without a word.
  if (!s_.NewFileName.empty() && IsPlainFileName(file) && Exist(app_.Path(file)))
    notice += std::string(CRLF) + CRLF + "The data set (file) named " + file +
              " already existed and has been replaced with the data for " + w_.Company + ".";
  s_.Generic = "N";
  QuickMessage(app_, notice);

  if (!Same() && mode_ == 2) InitBizDesc(p_);
  static_cast<InterviewAnswers&>(p_) = w_;
  if (p_.BizCategory >= 1 && p_.BizCategory <= kBizCategories)
    p_.BizDesc[static_cast<std::size_t>(p_.BizCategory)] = p_.BizDescription;
  p_.DataComplete = "Y";
  if (!s_.NewFileName.empty()) {
    s_.DataFile = s_.NewFileName;
    s_.NewFileName.clear();
  }
  SaveDataSet(app_, s_.DataFile);
  app_.hooks.createBook(app_);
  s_.QuitFlag = 1;
}

}  // namespace

std::string NumberFileName(App& app) {
  std::mt19937 random(app.system.ClockSeed());
  std::uniform_int_distribution<int> draw(1, 999);
  std::string name = "FILE" + std::to_string(draw(random)) + ".KVX";
  if (Exist(app.Path(name))) name = "FILE" + std::to_string(draw(random)) + ".KVX";
  return name;
}

void Interview(App& app, int interviewMode) {
  InterviewRun run(app, interviewMode == 1 ? 1 : 2);
  run.Run();
}

}  // namespace kvx
