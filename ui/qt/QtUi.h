#pragma once
// The Qt front end of the Ui interface: real message boxes, the input box and dialogs.

#include <string>
#include <vector>

#include "ui/Ui.h"

namespace kvx {

class DialogWidget;

class QtUi : public Ui {
 public:
  Button ShowMessage(const MessageBox& box) override;
  std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultAnswer) override;
  void RunDialog(Dialog& dialog) override;
  void HideMainWindow(const std::string& name) override;
  void ShowMainWindow(const std::string& name) override;

  // The windows running now, innermost last (for tests and screenshots).
  const std::vector<DialogWidget*>& Running() const { return running_; }

 private:
  DialogWidget* Find(const std::string& name) const;
  std::vector<DialogWidget*> running_;
};

// Texts of the logic use CR, CR LF or LF for line breaks; Qt wants LF.
std::string WithLineFeeds(const std::string& text);

// The width a window needs so that its title bar shows the whole title beside the
// window's icon and buttons (the title bar's font is bold on most desktops).
int TitleBarWidth(const std::string& title);

}  // namespace kvx
