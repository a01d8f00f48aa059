#include "ui/qt/DialogWidget.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>

#include "ui/qt/QtUi.h"

namespace kvx {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(WithLineFeeds(text));
}

QString Rgb(std::uint32_t rgb) {
  return QString("#%1").arg(rgb, 6, 16, QChar('0'));
}

}  // namespace

DialogWidget::DialogWidget(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
  setWindowModality(Qt::ApplicationModal);
  const QFontMetrics metrics(font());
  unitX_ = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
           52.0 / 4.0;
  unitY_ = metrics.height() / 8.0;
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { Forward([this] { dialog_.Key("F1"); }); });
  Build();
}

QRect DialogWidget::ToPixels(const Rect& r) const {
  return QRect(qRound(r.x * unitX_), qRound(r.y * unitY_), qRound(r.width * unitX_),
               qRound(r.height * unitY_));
}

template <class Action>
void DialogWidget::Forward(Action&& action) {
  action();
  if (dialog_.Finished())
    done(0);
  else
    Refresh();
}

void DialogWidget::Build() {
  for (QWidget* w : widgets_) delete w;
  widgets_.clear();
  view_ = dialog_.Describe();
  setWindowTitle(Q(view_.title));
  setFixedSize(qRound(view_.width * unitX_), qRound(view_.height * unitY_));
  setStyleSheet("QDialog { background: " + Rgb(view_.background) + "; }");
  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    const int index = static_cast<int>(i);
    QWidget* w = nullptr;
    switch (c.kind) {
      case Control::Kind::Label:
      case Control::Kind::Picture: {
        auto* label = new QLabel(this);
        label->setWordWrap(true);
        if (c.clickable || c.kind == Control::Kind::Picture) {
          label->setCursor(Qt::PointingHandCursor);
          label->installEventFilter(this);
        }
        w = label;
        break;
      }
      case Control::Kind::Group:
        w = new QGroupBox(this);
        break;
      case Control::Kind::Button: {
        auto* button = new QPushButton(this);
        connect(button, &QPushButton::clicked, this,
                [this, index] { Forward([this, index] { dialog_.Click(index); }); });
        w = button;
        break;
      }
      case Control::Kind::Option: {
        auto* option = new QRadioButton(this);
        connect(option, &QRadioButton::clicked, this,
                [this, index] { Forward([this, index] { dialog_.Click(index); }); });
        w = option;
        break;
      }
      case Control::Kind::Field: {
        auto* field = new QLineEdit(this);
        connect(field, &QLineEdit::textEdited, this, [this, index](const QString& text) {
          Forward([this, index, text] { dialog_.Type(index, text.toStdString()); });
        });
        w = field;
        break;
      }
      case Control::Kind::List: {
        auto* list = new QListWidget(this);
        connect(list, &QListWidget::currentRowChanged, this, [this, index](int row) {
          if (row >= 0) Forward([this, index, row] { dialog_.Select(index, row); });
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, index, list](QListWidgetItem* item) {
                  const int row = list->row(item);
                  Forward([this, index, row] { dialog_.DoubleClick(index, row); });
                });
        w = list;
        break;
      }
      case Control::Kind::Menu:
      case Control::Kind::DropDown:
      case Control::Kind::Box:
        break;
    }
    widgets_.push_back(w);
    if (w) {
      w->setGeometry(ToPixels(c.rect));
      w->show();
    }
  }
  Refresh();
}

void DialogWidget::Refresh() {
  const DialogView next = dialog_.Describe();
  bool same = next.controls.size() == view_.controls.size();
  for (std::size_t i = 0; same && i < next.controls.size(); ++i)
    same = next.controls[i].kind == view_.controls[i].kind;
  if (!same) {
    Build();
    return;
  }
  view_ = next;
  setWindowTitle(Q(view_.title));
  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    QWidget* w = widgets_[i];
    if (!w) continue;
    const QSignalBlocker block(w);
    w->setEnabled(c.enabled);
    w->setStyleSheet("color: " + Rgb(c.foreground) + "; background: " + Rgb(c.background) + ";");
    QFont f = font();
    if (c.fontPoints > 0) f.setPointSize(c.fontPoints);
    f.setBold(c.bold);
    w->setFont(f);
    if (auto* label = qobject_cast<QLabel*>(w)) {
      label->setText(c.kind == Control::Kind::Picture ? QString() : Q(c.text));
      label->setAccessibleName(Q(c.text));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      group->setTitle(Q(c.text));
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      button->setText(Q(c.text));
      button->setDefault(c.isDefault);
    } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
      option->setText(Q(c.text));
      option->setChecked(c.checked);
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
      if (field->text() != Q(c.text)) field->setText(Q(c.text));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      QStringList rows;
      for (const std::string& row : c.rows) rows << Q(row);
      bool changed = list->count() != rows.size();
      for (int r = 0; !changed && r < rows.size(); ++r) changed = list->item(r)->text() != rows[r];
      if (changed) {
        list->clear();
        list->addItems(rows);
      }
      list->setCurrentRow(c.selected);
    }
  }
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
      if (widgets_[i] == watched) {
        const int index = static_cast<int>(i);
        Forward([this, index] { dialog_.Click(index); });
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  if (!dialog_.Finished()) dialog_.Close();
  if (dialog_.Finished())
    event->accept();
  else
    event->ignore();
}

void DialogWidget::reject() {
  // Escape and the close box end the dialog only when the dialog agrees.
  if (!dialog_.Finished()) dialog_.Close();
  if (dialog_.Finished())
    QDialog::reject();
  else
    Refresh();
}

}  // namespace kvx
