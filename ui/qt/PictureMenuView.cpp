#include "ui/qt/PictureMenuView.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "navigation/PictureMenus.h"
#include "ui/qt/QtUi.h"

// Resources of a static library must be initialised by name, outside any namespace.
static void InitMenuPictures() {
  Q_INIT_RESOURCE(menus);
}

namespace kvx {

namespace {

QString Rgb(std::uint32_t rgb) {
  return QString("#%1").arg(rgb, 6, 16, QChar('0'));
}

}  // namespace

QString MnemonicText(const std::string& text) {
  QString out;
  const QString source = QString::fromStdString(text);
  for (qsizetype i = 0; i < source.size(); ++i) {
    if (source[i] == '&' && i + 1 < source.size()) {
      ++i;
      const QString next = QString(source[i]).toHtmlEscaped();
      out += source[i] == '&' ? next : "<u>" + next + "</u>";
    } else if (source[i] == ' ' && i > 0 && source[i - 1] == ' ') {
      out += "&nbsp;";  // rich text would fold a run of blanks into one
    } else {
      out += QString(source[i]).toHtmlEscaped();
    }
  }
  return out;
}

PictureMenuView::PictureMenuView(Dialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  InitMenuPictures();
  const DialogView view = dialog.Describe();
  Qt::WindowFlags flags =
      Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (view.name != "FORM9") flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setWindowModality(Qt::ApplicationModal);
  setObjectName(QString::fromStdString(view.name));
  const QFontMetrics metrics(font());
  unitX_ = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
           52.0 / 4.0;
  unitY_ = metrics.height() / 8.0;
  setWindowTitle(QString::fromStdString(view.title));
  setFixedSize(qRound(view.width * unitX_), qRound(view.height * unitY_));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(Rgb(view.background)));
  setPalette(palette);

  for (std::size_t i = 0; i < view.controls.size(); ++i) {
    const Control& c = view.controls[i];
    const int index = static_cast<int>(i);
    QWidget* w = nullptr;
    if (c.kind == Control::Kind::Picture) {
      auto* picture = new QLabel(this);
      picture->setPixmap(QPixmap(":/menus/" + QString::fromStdString(c.text) + ".png"));
      picture->setScaledContents(true);
      picture->setAccessibleName(QString::fromStdString(c.text));
      w = picture;
    } else if (c.kind == Control::Kind::Label) {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::RichText);
      label->setText(MnemonicText(c.text));
      label->setAccessibleName(QString::fromStdString(c.text));
      label->setAlignment(Qt::AlignCenter);
      QFont f = font();
      f.setBold(c.bold);
      label->setFont(f);
      QString style = "color: " + Rgb(c.foreground) + "; background: " + Rgb(c.background) + ";";
      if (c.clickable) {
        style += " border: 1px solid #000000;";
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
      }
      label->setStyleSheet(style);
      w = label;
    } else if (c.kind == Control::Kind::Button) {
      auto* button = new QPushButton(QString::fromStdString(c.text), this);
      connect(button, &QPushButton::clicked, this, [this, index] { Forward(index); });
      w = button;
    }
    widgets_.push_back(w);
    if (w) w->setGeometry(ToPixels(c.rect));
  }
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, [this] { dialog_.Key("F1"); });
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

QRect PictureMenuView::ToPixels(const Rect& r) const {
  return QRect(qRound(r.x * unitX_), qRound(r.y * unitY_), qRound(r.width * unitX_),
               qRound(r.height * unitY_));
}

void PictureMenuView::Forward(int control) {
  dialog_.Click(control);
  if (dialog_.Finished()) done(0);
}

bool PictureMenuView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (std::size_t i = 0; i < widgets_.size(); ++i)
      if (widgets_[i] == watched) {
        Forward(static_cast<int>(i));
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

void PictureMenuView::closeEvent(QCloseEvent* event) {
  if (!dialog_.Finished()) dialog_.Close();
  event->accept();
}

void PictureMenuView::reject() {
  if (!dialog_.Finished()) dialog_.Close();
  QDialog::reject();
}

void RegisterPictureMenuViews(QtUi& ui) {
  for (int form = kFirstMenu; form <= kLastMenu; ++form)
    ui.RegisterView("FORM" + std::to_string(form), [](Dialog& dialog, QtUi&) {
      PictureMenuView view(dialog);
      view.exec();
    });
}

}  // namespace kvx
