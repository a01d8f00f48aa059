#pragma once
// The quick-message window: the notice, an OK button, and a reading time after which it
// closes by itself unless the pointer rests on it.

#include <QDialog>
#include <QTimer>
#include <functional>

#include "qm/ReadingTime.h"

namespace qm {

class QuickMessageWindow : public QDialog {
 public:
  // clock gives milliseconds from any fixed moment; tests pass one they move by hand.
  explicit QuickMessageWindow(const QString& text, std::function<qint64()> clock = {});
  // Lets the time since the last tick pass, and closes the window when it is up. The
  // window's timer calls it ten times a second.
  void Tick();
  const Countdown& TimeLeft() const { return countdown_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Countdown countdown_;
  std::function<qint64()> clock_;
  qint64 last_ = 0;
  bool pointerOver_ = false;
  QTimer timer_;
};

}  // namespace qm
