#pragma once
// The Qt view of the five picture menus (FORM9 to FORM13): the menu's picture across the
// top, framed topic labels that react to a click, and the CLOSE button, at the menu's
// sizes in dialog units. It renders the dialog's description and forwards every action.

#include <QDialog>
#include <vector>

#include "ui/Dialog.h"

namespace kvx {

class QtUi;

class PictureMenuView : public QDialog {
 public:
  explicit PictureMenuView(Dialog& dialog, QWidget* parent = nullptr);

  QRect ToPixels(const Rect& r) const;
  // The widget showing control i (for tests and screenshots).
  QWidget* ControlWidget(int i) const { return widgets_.at(static_cast<std::size_t>(i)); }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Forward(int control);

  Dialog& dialog_;
  std::vector<QWidget*> widgets_;
  double unitX_ = 1.5, unitY_ = 1.625;
};

// Label text as Qt rich text: "&&" shows one "&", a single "&" underlines the next letter.
QString MnemonicText(const std::string& text);

// Registers the view for the dialog names FORM9 to FORM13.
void RegisterPictureMenuViews(QtUi& ui);

}  // namespace kvx
