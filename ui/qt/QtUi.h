#pragma once
// The Qt front end of the Ui interface: real message boxes, the input box and dialogs.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/Ui.h"

class QWidget;

namespace kvx {

class QtUi : public Ui {
 public:
  Button ShowMessage(const MessageBox& box) override;
  std::optional<std::string> Input(const std::string& title, const std::string& prompt,
                                   const std::string& defaultAnswer) override;
  void RunDialog(Dialog& dialog) override;
  void HideMainWindow(const std::string& name) override;
  void ShowMainWindow(const std::string& name) override;

  // A dialog with a view of its own (picture menus, the main window) registers a runner
  // under its name; others get the generic view.
  using Runner = std::function<void(Dialog&, QtUi&)>;
  void RegisterView(const std::string& name, Runner runner) { views_[name] = std::move(runner); }
  // The main window registers itself so that commands can hide and show it.
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

 private:
  std::map<std::string, Runner> views_;
  QWidget* mainWindow_ = nullptr;
};

// Texts of the logic use CR, CR LF or LF for line breaks; Qt wants LF.
std::string WithLineFeeds(const std::string& text);

}  // namespace kvx
