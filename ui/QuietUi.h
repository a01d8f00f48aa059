#pragma once
// A front end nobody sees: every box is answered with its default button, every input box
// is cancelled and every dialog closed. For running the program's logic unattended: the
// checks of kvxbook and the fuzz targets.

#include <optional>
#include <string>

#include "ui/Dialog.h"
#include "ui/Ui.h"

namespace kvx {

class QuietUi : public Ui {
 public:
  Button ShowMessage(const MessageBox& box) override { return box.defaultButton; }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  void RunDialog(Dialog& dialog) override { dialog.Close(); }
  void HideMainWindow(const std::string&) override {}
  void ShowMainWindow(const std::string&) override {}
};

}  // namespace kvx
