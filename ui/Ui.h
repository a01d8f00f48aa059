#pragma once
// What the program's logic asks of a front end: message boxes, the one-line input box,
// running a dialog, hiding and showing the main window. The automation front end and
// the Qt front end implement it; the logic never sees either.

#include <optional>
#include <string>

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
};

// Convenience for the many plain notices of the program.
inline MessageBox Box(std::string title, std::string text, Icon icon, unsigned buttons = kOk,
                      Button defaultButton = kOk) {
  return MessageBox{std::move(title), std::move(text), icon, buttons, defaultButton};
}

}  // namespace kvx
