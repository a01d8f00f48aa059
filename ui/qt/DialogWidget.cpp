#include "ui/qt/DialogWidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "ui/Ui.h"
#include "ui/qt/QtUi.h"

// Resources of a static library must be initialised by name, outside any namespace.
static void InitPictures() {
  Q_INIT_RESOURCE(menus);
  Q_INIT_RESOURCE(mainwindow);
  Q_INIT_RESOURCE(icons);
}

namespace kvx {

namespace {

using Kind = Control::Kind;

QString Q(const std::string& text) {
  return QString::fromStdString(WithLineFeeds(text));
}

QString Rgb(std::uint32_t rgb) {
  return QString("#%1").arg(rgb, 6, 16, QChar('0'));
}

QString Colours(const Control& c, std::uint32_t otherwise) {
  return "color: " + Rgb(c.foreground) + "; background: " + Rgb(c.background.value_or(otherwise)) +
         ";";
}

// A label or picture that reacts to clicks: it takes the focus from the keyboard and
// shows it with a frame that stands out on any colour, black outside and dotted white
// inside.
class ClickLabel : public QLabel {
 public:
  explicit ClickLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5));
  }
};

bool Reacts(const Control& c) {
  return c.clickable && (c.kind == Kind::Label || c.kind == Kind::Picture);
}

}  // namespace

QString MnemonicText(const std::string& text) {
  QString out;
  const QString source = Q(text);
  for (qsizetype i = 0; i < source.size(); ++i) {
    if (source[i] == '&' && i + 1 < source.size()) {
      ++i;
      const QString next = QString(source[i]).toHtmlEscaped();
      out += source[i] == '&' ? next : "<u>" + next + "</u>";
    } else if (source[i] == '\n') {
      out += "<br>";
    } else if (source[i] == ' ' && i > 0 && source[i - 1] == ' ') {
      out += "&nbsp;";  // rich text would fold a run of blanks into one
    } else {
      out += QString(source[i]).toHtmlEscaped();
    }
  }
  return out;
}

QPixmap PictureResource(const std::string& name, const QSize& size) {
  InitPictures();
  for (const char* folder : {":/mainwindow/", ":/menus/"}) {
    const QString path = folder + QString::fromStdString(name) + ".png";
    // QIcon picks the @2x file on a HiDPI screen; QPixmap alone would not.
    if (QFile::exists(path)) return QIcon(path).pixmap(size);
  }
  return {};
}

QIcon ProgramIcon() {
  InitPictures();
  QIcon icon;
  for (int size : {16, 32, 48, 256})
    icon.addFile(QString(":/icons/PROGRAM_%1.png").arg(size), QSize(size, size));
  return icon;
}

DialogWidget::DialogWidget(Dialog& dialog, Ui& ui, QWidget* parent)
    : QDialog(parent), dialog_(dialog), ui_(ui) {
  view_ = dialog_.Describe();
  name_ = view_.name;
  setObjectName(QString::fromStdString(name_));
  Qt::WindowFlags flags =
      Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (view_.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setWindowModality(Qt::ApplicationModal);
  if (!view_.icon.empty()) setWindowIcon(ProgramIcon());
  const QFontMetrics metrics(font());
  unitX_ = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
           52.0 / 4.0;
  unitY_ = metrics.height() / 8.0;
  Build();
}

QRect DialogWidget::ToPixels(const Rect& r) const {
  return QRect(left_ + qRound(r.x * unitX_), top_ + qRound(r.y * unitY_), qRound(r.width * unitX_),
               qRound(r.height * unitY_));
}

QAction* DialogWidget::MenuAction(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void DialogWidget::Run() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  activateWindow();
  for (std::size_t i = 0; i < widgets_.size(); ++i)
    if (widgets_[i] && view_.controls[i].focus) TakeFocus(widgets_[i]);
  QEventLoop loop;
  loop_ = &loop;
  if (!dialog_.Finished()) loop.exec();
  loop_ = nullptr;
  hide();
}

void DialogWidget::TakeFocus(QWidget* w) {
  w->setFocus(Qt::OtherFocusReason);
  // Typing replaces the whole text, as when the field is reached with Tab.
  if (auto* field = qobject_cast<QLineEdit*>(w)) field->selectAll();
}

void DialogWidget::Act(const std::function<void()>& action) {
  try {
    ui_.Deliver(name_, action);
  } catch (...) {
    // The program connects the error report; this is the last guard, so that nothing
    // unwinds through Qt's event dispatch.
    std::cerr << "Corvanta: an action in " << name_ << " failed unexpectedly\n";
  }
  if (dialog_.Finished()) {
    hide();
    if (loop_) loop_->quit();
  } else {
    Refresh();
  }
}

void DialogWidget::BuildMenus() {
  std::map<std::string, QMenu*> menus;
  for (const Control& c : view_.controls) {
    if (c.kind != Kind::Menu) continue;
    if (!menuBar_) menuBar_ = new QMenuBar(this);
    QMenu*& menu = menus[c.menu];
    if (!menu) menu = menuBar_->addMenu(Q(c.menu));
    if (c.text == "-") {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(Q(c.text));
    if (!c.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromStdString(c.shortcut)));
    const int id = c.menuId;
    connect(action, &QAction::triggered, this,
            [this, id] { Act([this, id] { dialog_.Menu(id); }); });
    actions_[id] = action;
  }
  if (menuBar_) {
    top_ = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, qRound(view_.width * unitX_), top_);
  }
}

void DialogWidget::Build() {
  // The old widgets may be the very ones whose event led here: let Qt delete them once
  // that event is done.
  for (QWidget* w : widgets_)
    if (w) {
      w->hide();
      w->removeEventFilter(this);
      w->deleteLater();
    }
  widgets_.clear();
  if (!menuBar_) BuildMenus();
  setWindowTitle(Q(view_.title));
  // A title longer than the window is wide gets room, the controls staying centred.
  const int width = qRound(view_.width * unitX_);
  const int wide = std::max(width, TitleBarWidth(view_.title));
  left_ = (wide - width) / 2;
  setFixedSize(wide, top_ + qRound(view_.height * unitY_));
  if (menuBar_) menuBar_->setGeometry(0, 0, wide, top_);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(Rgb(view_.background)));
  setPalette(palette);

  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    const int index = static_cast<int>(i);
    QWidget* w = nullptr;
    switch (c.kind) {
      case Kind::Label:
      case Kind::Picture: {
        QLabel* label = Reacts(c) ? new ClickLabel(this) : new QLabel(this);
        if (c.kind == Kind::Label) {
          label->setTextFormat(Qt::RichText);
          label->setWordWrap(true);
          if (c.centred) label->setAlignment(Qt::AlignCenter);
        }
        if (c.clickable) label->installEventFilter(this);
        w = label;
        break;
      }
      case Kind::Group:
        w = new QGroupBox(this);
        break;
      case Kind::Button: {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, index] { Act([this, index] { dialog_.Click(index); }); });
        w = button;
        break;
      }
      case Kind::Option: {
        auto* option = new QRadioButton(this);
        option->setAutoExclusive(false);  // the dialog says which option is checked
        connect(option, &QRadioButton::clicked, this,
                [this, index] { Act([this, index] { dialog_.Click(index); }); });
        w = option;
        break;
      }
      case Kind::Field:
        if (c.multiLine) {
          auto* field = new QPlainTextEdit(this);
          connect(field, &QPlainTextEdit::textChanged, this, [this, index, field] {
            const std::string text = field->toPlainText().toStdString();
            Act([this, index, text] { dialog_.Type(index, text); });
          });
          w = field;
        } else {
          auto* field = new QLineEdit(this);
          if (c.digitsOnly)
            field->setValidator(
                new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
          connect(field, &QLineEdit::textEdited, this, [this, index](const QString& text) {
            const std::string typed = text.toStdString();
            Act([this, index, typed] { dialog_.Type(index, typed); });
          });
          w = field;
        }
        break;
      case Kind::List: {
        auto* list = new QListWidget(this);
        connect(list, &QListWidget::currentRowChanged, this, [this, index](int row) {
          if (row >= 0) Act([this, index, row] { dialog_.Select(index, row); });
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, index, list](QListWidgetItem* item) {
                  const int row = list->row(item);
                  Act([this, index, row] { dialog_.DoubleClick(index, row); });
                });
        w = list;
        break;
      }
      case Kind::DropDown: {
        auto* box = new QComboBox(this);
        box->setEditable(false);
        connect(box, &QComboBox::activated, this, [this, index](int row) {
          if (row >= 0) Act([this, index, row] { dialog_.Select(index, row); });
        });
        w = box;
        break;
      }
      case Kind::Box: {
        auto* box = new QPlainTextEdit(this);
        box->setReadOnly(true);
        w = box;
        break;
      }
      case Kind::Menu:
        break;  // in the menu bar
    }
    widgets_.push_back(w);
    if (w) {
      w->setGeometry(ToPixels(c.rect));
      if (c.kind == Kind::Group) w->lower();
    }
  }
  OrderFocus();
  Refresh();
}

void DialogWidget::OrderFocus() {
  std::vector<int> order;
  std::vector<bool> listed(widgets_.size(), false);
  for (int i : view_.focusOrder) {
    if (i < 0 || i >= static_cast<int>(widgets_.size()) || listed[static_cast<std::size_t>(i)])
      continue;
    listed[static_cast<std::size_t>(i)] = true;
    order.push_back(i);
  }
  for (std::size_t i = 0; i < widgets_.size(); ++i)
    if (!listed[i]) order.push_back(static_cast<int>(i));
  QWidget* previous = nullptr;
  QWidget* first = nullptr;
  bool chosen = false;
  for (int i : order) {
    QWidget* w = widgets_[static_cast<std::size_t>(i)];
    chosen = chosen || view_.controls[static_cast<std::size_t>(i)].focus;
    if (!w || w->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, w);
    if (!first && view_.controls[static_cast<std::size_t>(i)].visible) first = w;
    previous = w;
  }
  // Without a control of its own choice, the window opens with the focus on the first.
  if (!chosen && first) first->setFocus(Qt::OtherFocusReason);
}

void DialogWidget::MoveSideways(std::size_t from, bool right) {
  // The nearest label or picture on that side, the one level with this first.
  const Rect& a = view_.controls[from].rect;
  const int ax = 2 * a.x + a.width, ay = 2 * a.y + a.height;  // centres, doubled
  int best = -1;
  std::pair<int, int> bestDistance;
  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    if (i == from || !Reacts(c) || !c.visible || !c.enabled || !widgets_[i]) continue;
    const int dx = 2 * c.rect.x + c.rect.width - ax;
    if (right ? dx <= 0 : dx >= 0) continue;
    const std::pair<int, int> distance{std::abs(2 * c.rect.y + c.rect.height - ay), std::abs(dx)};
    if (best < 0 || distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  if (best >= 0)
    widgets_[static_cast<std::size_t>(best)]->setFocus(Qt::TabFocusReason);
  else
    focusNextPrevChild(right);  // nothing on that side: on in reading order
}

void DialogWidget::Refresh() {
  const DialogView next = dialog_.Describe();
  bool same = next.controls.size() == view_.controls.size();
  for (std::size_t i = 0; same && i < next.controls.size(); ++i)
    same = next.controls[i].kind == view_.controls[i].kind &&
           next.controls[i].multiLine == view_.controls[i].multiLine;
  view_ = next;
  if (!same) {
    Build();
    return;
  }
  setWindowTitle(Q(view_.title));
  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    if (c.kind == Kind::Menu) {
      if (QAction* action = MenuAction(c.menuId)) action->setText(Q(c.text));
      continue;
    }
    QWidget* w = widgets_[i];
    if (!w) continue;
    const QSignalBlocker block(w);
    w->setVisible(c.visible);  // a child shown while its window is hidden appears with it
    w->setEnabled(c.enabled);
    QFont f = font();
    if (c.fontPoints > 0) f.setPointSize(c.fontPoints);
    f.setBold(c.bold);
    w->setFont(f);
    w->setAccessibleName(Q(c.text));
    if (c.kind == Kind::Picture) {
      auto* label = static_cast<QLabel*>(w);
      const QPixmap picture = PictureResource(c.text, w->size());
      if (picture.isNull()) {
        // Never a silent gap: say which picture is missing.
        label->setText("[" + Q(c.text) + "]");
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet("border: 1px solid #808080;");
      } else {
        label->setPixmap(picture);
        label->setScaledContents(true);
      }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      if (c.literal) {
        label->setTextFormat(Qt::PlainText);
        label->setText(Q(c.text));
      } else {
        label->setText(MnemonicText(c.text));
      }
      label->setStyleSheet(Colours(c, view_.background) +
                           (c.framed ? " border: 1px solid #000000;" : ""));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      group->setTitle(Q(c.text));
      // A plain group keeps the platform's own frame and title; a stylesheet would redraw both.
      if (c.background) group->setStyleSheet("QGroupBox { " + Colours(c, view_.background) + " }");
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      button->setText(Q(c.text));
      button->setDefault(c.isDefault);
    } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
      option->setText(Q(c.text));
      option->setChecked(c.checked);
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
      if (field->text() != Q(c.text)) {
        field->setText(Q(c.text));
        // The dialog put a new text there (it asks again): the field is ready for typing.
        if (c.focus) TakeFocus(field);
      }
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
      if (text->toPlainText() != Q(c.text)) text->setPlainText(Q(c.text));
      if (c.kind == Kind::Box) text->setStyleSheet(Colours(c, 0xFFFFFF));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      const auto& shown = c.shownRows.empty() ? c.rows : c.shownRows;
      QStringList rows;
      for (const std::string& row : shown) rows << Q(row);
      bool changed = list->count() != rows.size();
      for (int r = 0; !changed && r < rows.size(); ++r) changed = list->item(r)->text() != rows[r];
      if (changed) {
        list->clear();
        list->addItems(rows);
      }
      list->setCurrentRow(c.selected);
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
      const auto& shown = c.shownRows.empty() ? c.rows : c.shownRows;
      QStringList rows;
      for (const std::string& row : shown) rows << Q(row);
      bool changed = box->count() != rows.size();
      for (int r = 0; !changed && r < rows.size(); ++r) changed = box->itemText(r) != rows[r];
      if (changed) {
        box->clear();
        box->addItems(rows);
      }
      box->setCurrentIndex(c.selected);
    }
  }
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
  const bool release = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  const bool key = event->type() == QEvent::KeyPress;
  if (!release && !key) return QDialog::eventFilter(watched, event);
  std::size_t i = 0;
  while (i < widgets_.size() && widgets_[i] != watched) ++i;
  if (i == widgets_.size()) return QDialog::eventFilter(watched, event);
  const int index = static_cast<int>(i);
  if (release) {
    Act([this, index] { dialog_.Click(index); });
    return true;
  }
  // A label or picture that has the focus: Enter and Space act as a click, the arrow
  // keys go on in reading order (left and right to the neighbour on that side).
  auto* press = static_cast<QKeyEvent*>(event);
  if (press->modifiers() & ~Qt::KeypadModifier) return QDialog::eventFilter(watched, event);
  switch (press->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Act([this, index] { dialog_.Click(index); });
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      focusNextPrevChild(press->key() == Qt::Key_Down);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
      MoveSideways(i, press->key() == Qt::Key_Right);
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F1:
      Act([this] { dialog_.Key("F1"); });
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter presses the button that has the focus, else the default button; without
      // one, the dialog decides (the main window opens the selected topic).
      if (auto* button = qobject_cast<QPushButton*>(focusWidget());
          button && button->isVisible() && button->isEnabled()) {
        button->click();
        return;
      }
      for (std::size_t i = 0; i < view_.controls.size(); ++i) {
        const Control& c = view_.controls[i];
        if (c.kind == Kind::Button && c.isDefault && c.visible && c.enabled) {
          const int index = static_cast<int>(i);
          Act([this, index] { dialog_.Click(index); });
          return;
        }
      }
      Act([this] { dialog_.Key("Enter"); });
      return;
    case Qt::Key_Escape:
      reject();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void DialogWidget::closeEvent(QCloseEvent* event) {
  if (!dialog_.Finished()) Act([this] { dialog_.Close(); });
  if (dialog_.Finished())
    event->accept();
  else
    event->ignore();
}

void DialogWidget::reject() {
  if (menuBar_) return;  // Escape must not end the whole program
  if (dialog_.Finished()) return;
  // Escape presses the dialog's Cancel button when it shows one, else the close box.
  for (std::size_t i = 0; i < view_.controls.size(); ++i) {
    const Control& c = view_.controls[i];
    if (c.kind == Kind::Button && c.cancels && c.visible && c.enabled) {
      const int index = static_cast<int>(i);
      Act([this, index] { dialog_.Click(index); });
      return;
    }
  }
  Act([this] { dialog_.Close(); });
}

}  // namespace kvx
