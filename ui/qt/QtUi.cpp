#include "ui/qt/QtUi.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>

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

int TitleBarWidth(const std::string& title) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  const QFontMetrics metrics(font);
  // The icon and three buttons take about a line's height each, and some room between.
  return metrics.horizontalAdvance(Q(title)) + 6 * metrics.height();
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
  // A short text would make the box narrower than its title.
  if (auto* grid = qobject_cast<QGridLayout*>(message.layout()))
    grid->addItem(new QSpacerItem(TitleBarWidth(box.title), 0, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  const int result = message.exec();
  for (Button b : {kOk, kYes, kNo, kRetry, kCancel})
    if ((box.buttons & b) && result == ToQt(b)) return b;
  return (box.buttons & kCancel) ? kCancel : box.defaultButton;
}

std::optional<std::string> QtUi::Input(const std::string& title, const std::string& prompt,
                                       const std::string& defaultAnswer) {
  QInputDialog input(QApplication::activeWindow());
  input.setWindowTitle(Q(title));
  // The prompt is a label with an access key: "&&" shows one "&".
  input.setLabelText(Q(prompt));
  input.setTextValue(Q(defaultAnswer));
  // Its layout sets its own least size: widen the layout itself.
  (void)input.sizeHint();  // makes the layout
  if (auto* layout = qobject_cast<QBoxLayout*>(input.layout()))
    layout->addStrut(TitleBarWidth(title));
  if (input.exec() != QDialog::Accepted) return std::nullopt;
  return input.textValue().toStdString();
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
