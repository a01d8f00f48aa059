#include "ui/automation/AutomationUi.h"

#include <algorithm>
#include <cstdlib>

#include "base/Text.h"

namespace kvx {

namespace {

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return "information";
    case Icon::Question:
      return "question";
    case Icon::Stop:
      return "stop";
    case Icon::Exclamation:
      return "exclamation";
    case Icon::None:
      break;
  }
  return "none";
}

constexpr Button kButtonOrder[] = {kOk, kYes, kNo, kRetry, kCancel};

// Splits "verb rest" at the first blank.
std::pair<std::string, std::string> Verb(const std::string& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return {LowerAscii(line), {}};
  return {LowerAscii(line.substr(0, blank)), line.substr(blank + 1)};
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.size() < 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const char* ButtonName(Button b) {
  switch (b) {
    case kOk:
      return "OK";
    case kYes:
      return "Yes";
    case kNo:
      return "No";
    case kRetry:
      return "Retry";
    case kCancel:
      return "Cancel";
  }
  return "OK";
}

std::string ControlLine(const Control& c) {
  switch (c.kind) {
    case Control::Kind::Label:
      return "label: " + c.text;
    case Control::Kind::Picture:
      return "picture: " + c.text;
    case Control::Kind::Button:
      return "button: " + c.text + (!c.enabled ? " [disabled]" : c.isDefault ? " [default]" : "");
    case Control::Kind::Option:
      return "option: " + c.text + (c.checked ? " [checked]" : "");
    case Control::Kind::Field:
      return "field: " + c.text;
    case Control::Kind::Menu:
      return "menu " + std::to_string(c.menuId) + ": " + c.text;
    case Control::Kind::List:
    case Control::Kind::DropDown:
      return "list: " + std::to_string(c.rows.size()) + " rows";
    case Control::Kind::Box:
      return "box:";
    case Control::Kind::Group:
      return "group: " + c.text;
  }
  return {};
}

Button AutomationUi::ShowMessage(const MessageBox& box) {
  script_.Header("MESSAGE");
  script_.Key("title", box.title);
  script_.Key("icon", IconName(box.icon));
  std::string names;
  for (Button b : kButtonOrder)
    if (box.buttons & b) names += std::string(names.empty() ? "" : " ") + ButtonName(b);
  script_.Key("buttons", names);
  script_.Key("default", ButtonName(box.defaultButton));
  script_.Text("text", box.text);
  script_.EndBlock();
  const std::string line = script_.NextLine();
  if (LowerAscii(line) == "default") return box.defaultButton;
  for (Button b : kButtonOrder)
    if ((box.buttons & b) && LowerAscii(line) == LowerAscii(ButtonName(b))) return b;
  script_.Bad(line);
}

std::optional<std::string> AutomationUi::Input(const std::string& title, const std::string& prompt,
                                               const std::string& defaultAnswer) {
  script_.Header("INPUT");
  script_.Key("title", title);
  script_.Key("default", defaultAnswer);
  script_.Text("prompt", prompt);
  script_.EndBlock();
  const std::string line = script_.NextLine();
  if (!line.empty() && line[0] == '=') return line.substr(1);
  if (LowerAscii(line) == "cancel") return std::nullopt;
  script_.Bad(line);
}

void AutomationUi::WriteDialog(const DialogView& view) {
  script_.Header("DIALOG " + view.name);
  script_.Key("title", view.title);
  for (const Control& c : view.controls) {
    if (!c.visible) continue;
    const std::string line = ControlLine(c);
    if (c.kind == Control::Kind::Label || c.kind == Control::Kind::Field) {
      // A label or field of several lines is written as a text.
      const std::size_t colon = line.find(": ");
      script_.Text(line.substr(0, colon), line.substr(colon + 2));
      continue;
    }
    script_.Line(line);
    if (c.kind == Control::Kind::Box)
      for (const std::string& boxLine : SplitText(c.text)) script_.Line("  " + boxLine);
    if (c.kind == Control::Kind::List || c.kind == Control::Kind::DropDown)
      for (std::size_t i = 0; i < c.rows.size(); ++i)
        script_.Line("  " + std::to_string(i + 1) + (static_cast<int>(i) == c.selected ? "*" : "") +
                     ": " + c.rows[i]);
  }
  script_.EndBlock();
}

void AutomationUi::Act(Dialog& dialog, const DialogView& view, const std::string& line) {
  // Plain references: lambdas below may not capture structured bindings everywhere.
  const std::pair<std::string, std::string> parts = Verb(line);
  const std::string& verb = parts.first;
  const std::string& rest = parts.second;
  const auto& controls = view.controls;
  auto find = [&](auto&& match) -> int {
    for (std::size_t i = 0; i < controls.size(); ++i)
      if (controls[i].visible && match(controls[i])) return static_cast<int>(i);
    return -1;
  };
  auto deliver = [&](auto&& action) { Deliver(view.name, action); };
  if (verb == "click") {
    // "&&" in a caption shows as "&": a script may name it either way.
    const std::string key = CaptionKey(rest), literal = LowerAscii(rest);
    const int i = find([&](const Control& c) {
      using K = Control::Kind;
      const bool clickable = c.kind == K::Button || c.kind == K::Option || c.kind == K::Picture ||
                             (c.kind == K::Label && c.clickable);
      return clickable && c.enabled && (CaptionKey(c.text) == key || CaptionKey(c.text) == literal);
    });
    if (i < 0) script_.Bad(line);
    deliver([&] { dialog.Click(i); });
    return;
  }
  if (verb == "select" || verb == "double-click") {
    const int list = find([](const Control& c) {
      return c.kind == Control::Kind::List || c.kind == Control::Kind::DropDown;
    });
    if (list < 0 || !controls[list].enabled) script_.Bad(line);
    const auto& rows = controls[list].rows;
    int row = -1;
    if (IsNumber(rest)) {
      const int n = std::atoi(rest.c_str());
      if (n >= 1 && n <= static_cast<int>(rows.size())) row = n - 1;
    } else if (!rest.empty()) {
      for (std::size_t r = 0; r < rows.size() && row < 0; ++r)
        if (rows[r].rfind(rest, 0) == 0) row = static_cast<int>(r);
    }
    if (row < 0) script_.Bad(line);
    if (verb == "select")
      deliver([&] { dialog.Select(list, row); });
    else
      deliver([&] { dialog.DoubleClick(list, row); });
    return;
  }
  if (verb == "type") {
    const int field =
        find([](const Control& c) { return c.kind == Control::Kind::Field && c.enabled; });
    if (field < 0) script_.Bad(line);
    deliver([&] { dialog.Type(field, rest); });
    return;
  }
  if (verb == "menu") {
    const int item = find([&](const Control& c) {
      return c.kind == Control::Kind::Menu && c.enabled && IsNumber(rest) &&
             c.menuId == std::atoi(rest.c_str());
    });
    if (item < 0) script_.Bad(line);
    deliver([&] { dialog.Menu(controls[item].menuId); });
    return;
  }
  if (verb == "key" && rest == "F1") {
    deliver([&] { dialog.Key("F1"); });
    return;
  }
  if (verb == "close" && rest.empty()) {
    deliver([&] { dialog.Close(); });
    return;
  }
  script_.Bad(line);
}

void AutomationUi::RunDialog(Dialog& dialog) {
  std::string name = dialog.Describe().name;
  while (!dialog.Finished()) {
    const DialogView view = dialog.Describe();
    name = view.name;
    WriteDialog(view);
    Act(dialog, view, script_.NextLine());
  }
  script_.Header("CLOSED " + name);
  script_.EndBlock();
}

void AutomationUi::HideMainWindow(const std::string& name) {
  script_.Header("HIDE " + name);
  script_.EndBlock();
}

void AutomationUi::ShowMainWindow(const std::string& name) {
  script_.Header("SHOW " + name);
  script_.EndBlock();
}

bool AutomationSystem::Run(const std::vector<std::string>& argv, bool wait) {
  std::string command;
  for (const std::string& arg : argv) command += (command.empty() ? "" : " ") + arg;
  script_.Header("RUN");
  script_.Key("command", command);
  script_.Key("wait", wait ? "yes" : "no");
  script_.EndBlock();
  return true;
}

bool AutomationSystem::RunQuickMessage(const std::string& /*programDir*/,
                                       const std::string& message) {
  std::string text = message;
  for (std::size_t at = text.find("@@@"); at != std::string::npos; at = text.find("@@@", at + 1))
    text.replace(at, 3, "\n");
  script_.Header("QUICK");
  script_.Text("text", text);
  script_.EndBlock();
  return true;
}

bool AutomationSystem::Browse(const std::string& address) {
  script_.Header("BROWSE");
  script_.Key("address", address);
  script_.EndBlock();
  return true;
}

bool AutomationSystem::Print(const PrintJob& job) {
  if (printerMissing_) return false;
  WritePages(job, "");
  return true;
}

bool AutomationSystem::SavePdf(const PrintJob& job, const std::string& path) {
  WritePages(job, path);
  return true;
}

void AutomationSystem::WritePages(const PrintJob& job, const std::string& file) {
  script_.Header("PRINT");
  script_.Key("job", job.name);
  if (!file.empty()) script_.Key("file", file);
  for (std::size_t i = 0; i < job.pages.size(); ++i) {
    script_.Line("page " + std::to_string(i + 1));
    for (const std::string& line : job.pages[i]) script_.Line("  " + line);
  }
  script_.EndBlock();
}

}  // namespace kvx
