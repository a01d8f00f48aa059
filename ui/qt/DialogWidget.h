#pragma once
// The generic Qt view of a Dialog: it lays the controls out at their sizes in dialog
// units, forwards every user action to the dialog and redraws from its description.

#include <QDialog>
#include <vector>

#include "ui/Dialog.h"

namespace kvx {

class DialogWidget : public QDialog {
 public:
  explicit DialogWidget(Dialog& dialog, QWidget* parent = nullptr);

  // Dialog units to pixels, from the dialog font as Windows does it.
  QRect ToPixels(const Rect& r) const;
  // The widget showing control i (for tests and screenshots).
  QWidget* ControlWidget(int i) const { return widgets_.at(static_cast<std::size_t>(i)); }
  // Escape and the close box end the dialog only when the dialog agrees.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void Refresh();
  // Runs an action on the dialog, then closes or redraws.
  template <class Action>
  void Forward(Action&& action);

  Dialog& dialog_;
  DialogView view_;
  std::vector<QWidget*> widgets_;
  double unitX_ = 1.5, unitY_ = 1.625;
};

}  // namespace kvx
