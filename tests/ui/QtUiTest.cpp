// The Qt front end on the offscreen platform: message boxes, the input box, the generic
// dialog view, and the quick-message program's reading of its hand-off file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "qm/QuickMessageFile.h"
#include "tests/support/TestApp.h"
#include "ui/Dialog.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtUi.h"

namespace kvx {
namespace {

// Runs act on the next modal widget once it is shown.
void WhenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(w);
    }
  });
  timer->start(10);
}

TEST(QtUi, FontsAreInstalled) {
  EXPECT_FALSE(QFontDatabase::families().isEmpty());
}

TEST(QtUi, MessageBoxShowsTitleIconButtonsAndDefault) {
  QtUi ui;
  QString title, text;
  QMessageBox::Icon icon{};
  QString defaultText;
  int buttons = 0;
  WhenModal([&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
    box->button(QMessageBox::No)->click();
  });
  const Button answer =
      ui.ShowMessage(Box("UNINSTALLER", "one\rtwo", Icon::Question, kYes | kNo | kCancel, kNo));
  EXPECT_EQ(answer, kNo);
  EXPECT_EQ(title, "UNINSTALLER");
  EXPECT_EQ(text, "one\ntwo");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, 3);
  EXPECT_TRUE(defaultText.contains("No"));
}

TEST(QtUi, InputBoxReturnsTheAnswerOrNothing) {
  QtUi ui;
  WhenModal([](QWidget* w) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->textValue(), ".KVX");
    dialog->setTextValue("my shop");
    dialog->accept();
  });
  EXPECT_EQ(ui.Input("Create New File for Acme", "Enter file name", ".KVX"), "my shop");
  WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(ui.Input("t", "p", ""), std::nullopt);
}

TEST(QtUi, AnInputPromptShowsADoubledAmpersandAsOne) {
  QtUi ui;
  QImage prompt, plain;
  WhenModal([&](QWidget* w) {
    auto* dialog = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    QLabel* label = dialog->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    // The prompt looks exactly as a label that shows the name as it was typed.
    QLabel typed("Save data set for Cedar & Pine Coffee");
    typed.setTextFormat(Qt::PlainText);
    typed.setFont(label->font());
    typed.resize(label->size());
    typed.setAlignment(label->alignment());
    typed.setContentsMargins(label->contentsMargins());
    prompt = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    plain = typed.grab().toImage().convertToFormat(QImage::Format_RGB32);
    dialog->reject();
  });
  ui.Input("Save current data file as ...", "Save data set for Cedar && Pine Coffee", "");
  ASSERT_FALSE(prompt.isNull());
  EXPECT_EQ(prompt, plain);
}

TEST(QtUi, BoxesAreWideEnoughForTheirTitles) {
  const std::string title = "Question: Average annual gross revenues of Cedar & Pine Coffee?";
  QtUi ui;
  int boxWidth = 0, inputWidth = 0;
  WhenModal([&](QWidget* w) {
    boxWidth = w->width();
    qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
  });
  ui.ShowMessage(Box(title, "Over $1 million?", Icon::Question, kYes | kNo, kNo));
  EXPECT_GE(boxWidth, TitleBarWidth(title));
  WhenModal([&](QWidget* w) {
    inputWidth = w->width();
    qobject_cast<QDialog*>(w)->reject();
  });
  ui.Input(title, "Number:", "");
  EXPECT_GE(inputWidth, TitleBarWidth(title));
  // More room for a longer title, and the icon and buttons beside it.
  EXPECT_GT(TitleBarWidth(title + " and more"), TitleBarWidth(title));
  EXPECT_GT(TitleBarWidth(""), 0);
}

class TwoButtons : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v{"Two", "Choose", 200, 100};
    v.controls.push_back({Control::Kind::Field, text, {10, 10, 100, 12}});
    v.controls.push_back({Control::Kind::Button, "&Count", {10, 40, 50, 14}});
    v.controls.push_back({Control::Kind::Button, "&Done", {70, 40, 50, 14}});
    return v;
  }
  void Click(int c) override {
    if (c == 1) ++count;
    if (c == 2) done = true;
  }
  void Type(int, const std::string& t) override { text = t; }
  void Close() override {}  // only Done ends it
  bool Finished() const override { return done; }
  int count = 0;
  bool done = false;
  std::string text = "abc";
};

TEST(QtUi, GenericDialogViewForwardsActions) {
  TwoButtons dialog;
  QtUi ui;
  DialogWidget widget(dialog, ui);
  EXPECT_EQ(widget.windowTitle(), "Choose");
  EXPECT_EQ(widget.width(), widget.ToPixels({0, 0, 200, 100}).width());
  auto* field = qobject_cast<QLineEdit*>(widget.ControlWidget(0));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->text(), "abc");
  field->setText("typed");
  emit field->textEdited("typed");
  EXPECT_EQ(dialog.text, "typed");
  qobject_cast<QPushButton*>(widget.ControlWidget(1))->click();
  qobject_cast<QPushButton*>(widget.ControlWidget(1))->click();
  EXPECT_EQ(dialog.count, 2);
  widget.reject();  // the close box: the dialog refuses
  EXPECT_FALSE(dialog.done);
  WhenModal([&](QWidget*) { qobject_cast<QPushButton*>(widget.ControlWidget(2))->click(); });
  widget.Run();
  EXPECT_TRUE(dialog.done);
}

// Labels take "&" as an access key, except a label that shows a name as it was typed.
class Labels : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v;
    v.name = "Labels";
    v.width = 100;
    v.height = 40;
    Control key;
    key.kind = Control::Kind::Label;
    key.text = "&Name && more";
    key.rect = {0, 0, 100, 10};
    Control name = key;
    name.text = "Subject: Harbor & Co";
    name.literal = true;
    name.rect = {0, 12, 100, 10};
    v.controls = {key, name};
    return v;
  }
  void Close() override {}
  bool Finished() const override { return true; }
};

// A narrow window with a long title: it widens and its controls stay centred.
class Narrow : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v{"Narrow", "Select Consulting Topic for Cedar & Pine Coffee Company", 100, 40};
    v.controls.push_back({Control::Kind::Button, "&OK", {25, 10, 50, 14}});
    return v;
  }
  void Close() override {}
  bool Finished() const override { return true; }
};

TEST(QtUi, AWindowIsWideEnoughForItsTitle) {
  Narrow dialog;
  QtUi ui;
  DialogWidget widget(dialog, ui);
  EXPECT_GE(widget.width(), TitleBarWidth(dialog.Describe().title));
  QWidget* ok = widget.ControlWidget(0);
  EXPECT_NEAR(ok->geometry().center().x(), widget.width() / 2, 2);
  EXPECT_EQ(ok->geometry(), widget.ToPixels({25, 10, 50, 14}));
}

TEST(QtUi, LabelsShowAccessKeysOrTheirTextAsItIs) {
  Labels dialog;
  QtUi ui;
  DialogWidget widget(dialog, ui);
  auto* key = qobject_cast<QLabel*>(widget.ControlWidget(0));
  auto* name = qobject_cast<QLabel*>(widget.ControlWidget(1));
  ASSERT_NE(key, nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(key->text(), "<u>N</u>ame &amp; more");
  EXPECT_EQ(name->text(), "Subject: Harbor & Co");
  EXPECT_EQ(name->textFormat(), Qt::PlainText);
}

TEST(QuickMessageProgram, ReadsItsHandOffFile) {
  test::TestApp t;
  t.Put("tmp_qm.dat", "First@@@@@@Second\r\n");
  EXPECT_EQ(qm::MessageFromFolder(t.dir()), "First\n\nSecond");
  test::TestApp empty;
  EXPECT_NE(qm::MessageFromFolder(empty.dir()).find("TMP_QM.DAT was not found"), std::string::npos);
}

}  // namespace
}  // namespace kvx

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
