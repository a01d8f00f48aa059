#include "ui/qt/QtUi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/Dialog.h"
#include "ui/qt/DialogWidget.h"

namespace kvx {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(WithLineFeeds(text));
}

QMessageBox::StandardButton ToQt(Button b) {
  switch (b) {
    case kOk:
      return QMessageBox::Ok;
    case kYes:
      return QMessageBox::Yes;
    case kNo:
      return QMessageBox::No;
    case kRetry:
      return QMessageBox::Retry;
    case kCancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

Button QtUi::ShowMessage(const MessageBox& box) {
  QMessageBox message(QApplication::activeWindow());
  message.setWindowTitle(Q(box.title));
  message.setText(Q(box.text));
  message.setWindowModality(Qt::ApplicationModal);
  switch (box.icon) {
    case Icon::Information:
      message.setIcon(QMessageBox::Information);
      break;
    case Icon::Question:
      message.setIcon(QMessageBox::Question);
      break;
    case Icon::Stop:
      message.setIcon(QMessageBox::Critical);
      break;
    case Icon::Exclamation:
      message.setIcon(QMessageBox::Warning);
      break;
    case Icon::None:
      message.setIcon(QMessageBox::NoIcon);
      break;
  }
  QMessageBox::StandardButtons buttons;
  for (Button b : {kOk, kYes, kNo, kRetry, kCancel})
    if (box.buttons & b) buttons |= ToQt(b);
  message.setStandardButtons(buttons);
  message.setDefaultButton(ToQt(box.defaultButton));
  const int result = message.exec();
  for (Button b : {kOk, kYes, kNo, kRetry, kCancel})
    if ((box.buttons & b) && result == ToQt(b)) return b;
  return (box.buttons & kCancel) ? kCancel : box.defaultButton;
}

std::optional<std::string> QtUi::Input(const std::string& title, const std::string& prompt,
                                       const std::string& defaultAnswer) {
  bool ok = false;
  const QString answer = QInputDialog::getText(QApplication::activeWindow(), Q(title), Q(prompt),
                                               QLineEdit::Normal, Q(defaultAnswer), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

void QtUi::RunDialog(Dialog& dialog) {
  DialogWidget widget(dialog, *this);
  running_.push_back(&widget);
  widget.Run();
  running_.pop_back();
}

DialogWidget* QtUi::Find(const std::string& name) const {
  for (auto it = running_.rbegin(); it != running_.rend(); ++it)
    if ((*it)->Name() == name) return *it;
  return nullptr;
}

void QtUi::HideMainWindow(const std::string& name) {
  if (DialogWidget* window = Find(name)) window->hide();
}

void QtUi::ShowMainWindow(const std::string& name) {
  if (DialogWidget* window = Find(name)) window->show();
}

}  // namespace kvx
