#include "qm/QuickMessageWindow.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace qm {

QuickMessageWindow::QuickMessageWindow(const QString& text, std::function<qint64()> clock)
    : countdown_(ReadingTime(text.toStdString())), clock_(std::move(clock)) {
  if (!clock_) {
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    clock_ = [started] { return started->elapsed(); };
  }
  setWindowTitle("Corvanta");
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  label->setMinimumWidth(360);
  label->setMaximumWidth(520);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(label);
  // OK and Enter accept, Escape rejects: either way the notice closes at once.
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  setMouseTracking(true);
  for (QWidget* part : findChildren<QWidget*>()) {
    part->setMouseTracking(true);
    part->installEventFilter(this);
  }
  installEventFilter(this);
}

void QuickMessageWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  last_ = clock_();
  timer_.start(100);
}

bool QuickMessageWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) pointerOver_ = true;
  return QDialog::eventFilter(watched, event);
}

void QuickMessageWindow::leaveEvent(QEvent* event) {
  pointerOver_ = false;
  QDialog::leaveEvent(event);
}

void QuickMessageWindow::Tick() {
  const qint64 now = clock_();
  countdown_.Pass(now - last_, pointerOver_);
  last_ = now;
  if (countdown_.Expired() && isVisible()) {
    timer_.stop();
    accept();
  }
}

}  // namespace qm
