#pragma once
// The quick-message window: the notice, an OK button, and a reading time after which it
// closes by itself unless the pointer rests on it. A pointer rests on it once it has moved
// over it: one that merely stood where the window appeared (the middle of the screen,
// often) holds nothing.

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

 protected:
  void showEvent(QShowEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // Moves over the window or any of its parts.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Countdown countdown_;
  std::function<qint64()> clock_;
  qint64 last_ = 0;
  bool pointerOver_ = false;
  QTimer timer_;
};

}  // namespace qm
