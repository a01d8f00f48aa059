#include "consult/SessionWindow.h"

#include "base/Text.h"
#include "consult/ConsultState.h"
#include "consult/ScriptReader.h"
#include "consult/Transcript.h"
#include "core/App.h"
#include "core/Messages.h"

namespace kvx {

namespace {

Control Make(Control::Kind kind, std::string text, Rect rect) {
  Control c;
  c.kind = kind;
  c.text = std::move(text);
  c.rect = rect;
  return c;
}

Control PushButton(std::string caption, Rect rect) {
  return Make(Control::Kind::Button, std::move(caption), rect);
}

}  // namespace

SessionWindow::SessionWindow(App& app) : app_(app) {}

DialogView SessionWindow::Describe() const {
  const ConsultState& s = app_.consult;
  const bool numbered = s.AnswerMode == "NUM";
  const bool done = s.AnswerMode == "DONE";
  DialogView view;
  view.name = "FORM5";
  view.title = "Zuvaz Evaduvor Avezizevuz - Consulting Session";
  view.width = 421;
  view.height = 236;
  view.minimizeBox = true;
  const int topic = s.ConsultTopic;
  const std::string title =
      topic >= 1 && topic <= kTopicCount ? s.SessionTitle[static_cast<std::size_t>(topic)] : "";
  Control subject = Make(Control::Kind::Label, "Subject: " + title, {5, 5, 403, 12});
  subject.literal = true;  // the company's name may hold "&"
  subject.centred = true;
  view.controls.push_back(subject);
  Control text = Make(Control::Kind::Box, s.ScreenText, {8, 22, 403, 167});
  text.background = 0xFFFFDC;  // pale yellow
  text.foreground = 0x000000;
  view.controls.push_back(text);

  std::string prompt = "Enter number (1 to 2) here -->";
  if (s.MaxChoice != 2) prompt = ReplaceAll(prompt, "2", std::to_string(s.MaxChoice));
  Control promptLabel = Make(Control::Kind::Label, prompt, {91, 195, 133, 12});
  Control number = Make(Control::Kind::Field, number_, {229, 195, 19, 12});
  number.digitsOnly = true;
  number.focus = numbered;  // typing answers at once, replacing the suggested 1
  Control enter = PushButton("&ENTER", {269, 194, 53, 15});
  enter.isDefault = true;
  for (Control* c : {&promptLabel, &number, &enter}) {
    c->visible = numbered;
    view.controls.push_back(*c);
  }

  Control yes = PushButton("&YES", {77, 217, 53, 15});
  yes.enabled = !numbered && !done;
  Control no = PushButton(done ? "&PRINT" : "&NO", {147, 217, 53, 15});
  no.enabled = !numbered;
  view.controls.push_back(yes);
  view.controls.push_back(no);
  view.controls.push_back(PushButton("&CLOSE", {216, 217, 53, 15}));
  view.controls.push_back(PushButton("&HELP", {285, 217, 53, 15}));
  return view;
}

void SessionWindow::Click(int control) {
  ConsultState& s = app_.consult;
  const bool numbered = s.AnswerMode == "NUM";
  switch (control) {
    case kEnter:
      if (numbered) Enter();
      return;
    case kYes:
      if (numbered || s.AnswerMode == "DONE") return;
      s.Answer = "Yes";
      finished_ = true;
      return;
    case kNo:
      if (numbered) return;
      if (s.AnswerMode == "DONE") {
        PrintTranscript(app_);
        return;
      }
      s.Answer = "No";
      finished_ = true;
      return;
    case kClose:
      s.Answer = "QUIT";
      finished_ = true;
      return;
    case kHelp:
      ShowScreenHelp(app_);
      return;
    default:
      return;
  }
}

void SessionWindow::Type(int control, const std::string& text) {
  if (control != kNumber || app_.consult.AnswerMode != "NUM") return;
  // The field refuses every key but a digit.
  number_.clear();
  for (char c : text)
    if (c >= '0' && c <= '9') number_ += c;
}

void SessionWindow::Key(const std::string& key) {
  if (key == "F1") ShowScreenHelp(app_);
  if (key == "Enter" && app_.consult.AnswerMode == "NUM") Enter();
}

void SessionWindow::Close() {
  if (app_.consult.Answer.empty()) app_.consult.Answer = "QUIT";
  finished_ = true;
}

void SessionWindow::Enter() {
  ConsultState& s = app_.consult;
  s.Answer = number_;
  // A number too long for 32 bits is out of range like any other.
  const int k = LeadingInt32(number_).value_or(0);
  if (k < 1 || k > s.MaxChoice) {
    s.Answer.clear();
    number_.clear();
    QuickMessage(app_, "Number entered is out of range (1 to" +
                           NumberText(static_cast<long long>(s.MaxChoice)) + ")");
    return;
  }
  finished_ = true;
}

void ShowSessionWindow(App& app) {
  SessionWindow window(app);
  app.ui.RunDialog(window);
}

std::string HelpText(const std::vector<std::string>& helpLines, int number) {
  const std::string key = HelpMarker(number);
  const std::size_t last = std::min(helpLines.size(), static_cast<std::size_t>(kHelpSlots) + 1);
  std::string text;
  bool collecting = false;
  for (std::size_t i = 1; i < last; ++i) {
    const std::string line = TrimSpaces(helpLines[i]);
    if (collecting) {
      if (StartsWith(line, "@")) break;
      text += line + "\r";
    } else if (line == key) {
      collecting = true;
    } else if (line == "@END") {
      break;
    }
  }
  return text;
}

void ShowScreenHelp(App& app) {
  std::string text = HelpText(app.consult.HelpLines, app.consult.QuestionNumber);
  // A marker with nothing under it helps no more than a missing one.
  if (text.empty()) text = "No Help available for this screen.";
  app.ui.ShowMessage(Box(app.session.ProgName + " Help", text, Icon::None));
}

}  // namespace kvx
