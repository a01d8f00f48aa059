#include "consult/TopicChoice.h"

#include "base/Text.h"
#include "consult/ConsultState.h"
#include "consult/ScriptInterpreter.h"
#include "consult/TaxCalculator.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

namespace {

constexpr const char* kMainWindow = "MainWindow";

struct Topic {
  const char* option;
  const char* before;  // the subject line is before + company + after
  const char* after;
};

const Topic kTopics[kCalculatorTopic] = {
    {"Can I deduct office-in-home expenses incurred in my business?", "Can ",
     " Claim Home Office Deductions?"},
    {"Can my company elect to become an S corporation?", "Can ", " Elect S Corporation Status?"},
    {"Can my business elect a fiscal year for income tax purposes?", "Can ",
     " Elect a Fiscal Tax Year?"},
    {"Can I incorporate my business in a tax-free transaction?", "Can ", " Incorporate Tax-Free?"},
    {"Is my firm a 'Personal Service Corporation' for income tax purposes?", "Is ",
     " a Personal Service Corporation?"},
    {"Are my business losses subject to the passive loss restrictions?", "Is ",
     " Subject to Passive Loss Restrictions?"},
    {"Is my firm potentially subject to the personal holding company tax?", "Is ",
     " a Personal Holding Company?"},
    {"Calculate federal corporation income tax", "", ""},
};

}  // namespace

std::string TopicOption(int topic) {
  if (topic < 1 || topic > kCalculatorTopic) return {};
  return kTopics[topic - 1].option;
}

std::string TopicSessionTitle(int topic, const std::string& company) {
  if (topic < 1 || topic > kTopicCount) return {};
  return kTopics[topic - 1].before + company + kTopics[topic - 1].after;
}

TopicChoice::TopicChoice(App& app) : app_(app) {
  app_.consult.ConsultTopic = 0;
}

DialogView TopicChoice::Describe() const {
  DialogView view;
  view.name = "FORM6";
  view.title = "Select Consulting Topic for " + app_.consult.ConsultCompany;
  view.width = 395;
  view.height = 197;
  view.minimizeBox = true;
  Control heading;
  heading.text =
      "Select a tax consulting topic and click on the 'OK' button to begin the interview "
      "session:";
  heading.rect = {5, 5, 381, 12};
  heading.framed = true;
  heading.centred = true;
  view.controls.push_back(heading);
  Control group;
  group.kind = Control::Kind::Group;
  group.text = "Topics";
  group.rect = {19, 30, 355, 135};
  view.controls.push_back(group);
  for (int topic = 1; topic <= kCalculatorTopic; ++topic) {
    Control option;
    option.kind = Control::Kind::Option;
    option.text = TopicOption(topic);
    option.rect = {37, 43 + 14 * (topic - 1), 323, 12};
    option.checked = app_.consult.ConsultTopic == topic;
    view.controls.push_back(option);
  }
  Control ok;
  ok.kind = Control::Kind::Button;
  ok.text = "&OK";
  ok.rect = {139, 172, 53, 15};
  ok.isDefault = true;
  view.controls.push_back(ok);
  Control cancel = ok;
  cancel.text = "&CANCEL";
  cancel.rect = {211, 172, 53, 15};
  cancel.isDefault = false;
  cancel.cancels = true;
  view.controls.push_back(cancel);
  return view;
}

void TopicChoice::Click(int control) {
  if (control >= kFirstOption && control < kFirstOption + kCalculatorTopic) {
    app_.consult.ConsultTopic = control - kFirstOption + 1;
  } else if (control == kOk) {
    if (app_.consult.ConsultTopic == 0) {
      QuickMessage(app_,
                   "You need to click on an consulting topic to select it, then click on this "
                   "'OK' button to begin the interview.");
      return;
    }
    finished_ = true;
  } else if (control == kCancel) {
    app_.consult.ConsultTopic = 0;
    finished_ = true;
  }
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t n = 0; end < text.size() && n < count; ++n) {
    ++end;
    // Continuation bytes of a UTF-8 character belong to the one before.
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

void ConsultingCommand(App& app) {
  ConsultState& s = app.consult;
  app.ui.HideMainWindow(kMainWindow);
  s.ConsultCompany.clear();
  const bool generic = app.session.Generic == "Y";
  const std::string& company = app.profile.Company;
  const std::string prompt =
      "Enter the name of the company which will be the subject of this consulting session" +
      (generic ? std::string(".") : " (change below, if not " + PromptText(company) + ".)");
  const std::string name =
      TrimSpaces(app.ui.Input("Name of Business", prompt, generic ? "" : company).value_or(""));
  if (name.empty()) {
    QuickMessage(app, "No company name entered. Canceling interview session.");
    app.ui.ShowMainWindow(kMainWindow);
    return;
  }
  s.ConsultCompany = FirstCharacters(name, kCompanyWidth);
  for (;;) {
    TopicChoice choice(app);
    app.ui.RunDialog(choice);
    if (s.ConsultTopic == 0) break;
    for (int topic = 1; topic <= kTopicCount; ++topic)
      s.SessionTitle[static_cast<std::size_t>(topic)] = TopicSessionTitle(topic, s.ConsultCompany);
    if (s.ConsultTopic == kCalculatorTopic)
      CorporateTaxCalculator(app);
    else
      Consult(app);
  }
  app.ui.ShowMainWindow(kMainWindow);
}

}  // namespace kvx
