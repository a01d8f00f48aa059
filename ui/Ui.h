#pragma once
// What the program's logic asks of a front end: message boxes, the one-line input box,
// running a dialog, hiding and showing the main window. The automation front end and
// the Qt front end implement it; the logic never sees either.

#include <functional>
#include <optional>
#include <string>

#include "base/Errors.h"
#include "base/Text.h"

namespace kvx {

class Dialog;

enum class Icon { None, Information, Question, Stop, Exclamation };

// Buttons as flags, in the order the boxes show them.
enum Button : unsigned {
  kOk = 1,
  kYes = 2,
  kNo = 4,
  kRetry = 8,
  kCancel = 16,
};

struct MessageBox {
  std::string title;
  std::string text;  // a lone CR breaks lines, as do CR LF and LF
  Icon icon = Icon::None;
  unsigned buttons = kOk;
  Button defaultButton = kOk;
};

class Ui {
 public:
  virtual ~Ui() = default;
  // Returns the button the user chose. Closing the box counts as Cancel when it has
  // one, else as the default button.
  virtual Button ShowMessage(const MessageBox& box) = 0;
  // The one-line input box; nullopt when the user cancelled.
  virtual std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                           const std::string& defaultAnswer) = 0;
  // Runs the dialog modally until dialog.Finished().
  virtual void RunDialog(Dialog& dialog) = 0;
  virtual void HideMainWindow(const std::string& name) = 0;
  virtual void ShowMainWindow(const std::string& name) = 0;

  // Every front end hands a user's action to its dialog through here. A run-time error
  // that escapes the action is reported and the program goes on: it must never unwind
  // through a window system's event dispatch. The program connects the report (the
  // uniform error report, under the dialog's name); unconnected, the error goes on up.
  void Deliver(const std::string& dialogName, const std::function<void()>& action) {
    try {
      action();
    } catch (...) {
      const KvxError error = CurrentError();  // a front end's own stop passes through
      if (!reportError) throw;
      reportError(error.number, dialogName, error.diag);
    }
  }
  std::function<void(int number, const std::string& where, const std::string& diag)> reportError;
};

// An input box's prompt takes a single "&" as an access-key mark, as the labels of
// dialogs do, and shows "&&" as "&". Text the user typed (a company's name) goes into a
// prompt through this, so that it shows as it was typed.
inline std::string PromptText(const std::string& typed) {
  return ReplaceAll(typed, "&", "&&");
}

// Convenience for the many plain notices of the program.
inline MessageBox Box(std::string title, std::string text, Icon icon, unsigned buttons = kOk,
                      Button defaultButton = kOk) {
  return MessageBox{std::move(title), std::move(text), icon, buttons, defaultButton};
}

}  // namespace kvx
