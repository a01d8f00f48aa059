// The window loop of the Qt front end: a window hidden while a command runs keeps
// running, an error escaping an action is reported and the window goes on, and a
// control that rebuilds the window from inside its own click is safe.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/Dialog.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtUi.h"

namespace kvx {
namespace {

// Runs each step in turn on the event loop, every 20 ms, while it lives.
class Steps {
 public:
  explicit Steps(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (next_ < steps_.size()) steps_[next_++]();
    });
    timer_.start(20);
  }

 private:
  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
  QTimer timer_;
};

// A window whose first button hides it, asks a question and shows it again, as the
// main window's commands do; its second button fails; its third ends it.
class Home : public Dialog {
 public:
  explicit Home(Ui& ui) : ui_(ui) {}
  DialogView Describe() const override {
    DialogView v{"Home", "Home", 200, 100};
    v.controls.push_back({Control::Kind::Button, "&Command", {10, 10, 60, 14}});
    v.controls.push_back({Control::Kind::Button, "&Fail", {80, 10, 60, 14}});
    v.controls.push_back({Control::Kind::Button, "&Quit", {10, 40, 60, 14}});
    return v;
  }
  void Click(int c) override {
    if (c == 0) {
      ui_.HideMainWindow("Home");
      answer = ui_.ShowMessage(Box("Corvanta", "Go on?", Icon::Question, kYes | kNo, kYes));
      ui_.ShowMainWindow("Home");
    }
    if (c == 1) Raise(53, "Unable to find file: /nowhere");
    if (c == 2) done = true;
  }
  void Close() override { done = true; }
  bool Finished() const override { return done; }
  Button answer = kOk;
  bool done = false;

 private:
  Ui& ui_;
};

QPushButton* ButtonOf(QtUi& ui, int index) {
  return qobject_cast<QPushButton*>(ui.Running().back()->ControlWidget(index));
}

TEST(WindowLoop, AWindowHiddenDuringACommandKeepsRunning) {
  QtUi ui;
  Home home(ui);
  bool hiddenDuringBox = false, shownAfter = false, runningAfter = false, commandDone = false;
  Steps steps({
      [&] {
        ButtonOf(ui, 0)->click();  // returns only after the box below is answered
        commandDone = true;
      },
  });
  // Each check waits for what it checks, however slowly the machine runs.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      hiddenDuringBox = !ui.Running().back()->isVisible();
      box->button(QMessageBox::No)->click();
    } else if (commandDone) {
      watch.stop();
      shownAfter = ui.Running().size() == 1 && ui.Running().back()->isVisible();
      runningAfter = !home.Finished();
      ButtonOf(ui, 2)->click();
    }
  });
  watch.start(10);
  ui.RunDialog(home);
  EXPECT_TRUE(hiddenDuringBox);
  EXPECT_EQ(home.answer, kNo);
  EXPECT_TRUE(shownAfter);
  EXPECT_TRUE(runningAfter) << "hiding the window must not end its loop";
  EXPECT_TRUE(ui.Running().empty());
}

TEST(WindowLoop, AnErrorInAnActionIsReportedAndTheWindowGoesOn) {
  QtUi ui;
  std::vector<std::string> reports;
  ui.reportError = [&](int number, const std::string& where, const std::string& diag) {
    reports.push_back(std::to_string(number) + " " + where + " " + diag);
  };
  Home home(ui);
  bool runningAfter = false;
  Steps steps({[&] { ButtonOf(ui, 1)->click(); },
               [&] {
                 runningAfter = !home.Finished() && ui.Running().back()->isVisible();
                 ButtonOf(ui, 2)->click();
               }});
  ui.RunDialog(home);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "53 Home Unable to find file: /nowhere");
  EXPECT_TRUE(runningAfter);
}

// A clickable label whose click changes what the window shows, so the window builds its
// controls anew from inside that click.
class Flip : public Dialog {
 public:
  DialogView Describe() const override {
    DialogView v{"Flip", "Flip", 200, 100};
    Control label{Control::Kind::Label, "Click me", {10, 10, 80, 12}};
    label.clickable = true;
    v.controls.push_back(label);
    for (int i = 0; i < flips; ++i)
      v.controls.push_back({Control::Kind::Box, "line " + std::to_string(i), {10, 30, 80, 20}});
    return v;
  }
  void Click(int c) override {
    if (c == 0) ++flips;
  }
  void Close() override { done = true; }
  bool Finished() const override { return done; }
  int flips = 0;
  bool done = false;
};

TEST(WindowLoop, AClickThatRebuildsTheWindowIsSafe) {
  QtUi ui;
  Flip flip;
  DialogWidget widget(flip, ui);
  widget.show();
  for (int i = 0; i < 3; ++i) {
    // The label that receives the click is replaced while its event runs.
    QWidget* label = widget.ControlWidget(0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        label->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
    QApplication::processEvents();  // the old widgets are deleted here, after the event
  }
  EXPECT_EQ(flip.flips, 3);
  EXPECT_EQ(widget.findChildren<QLabel*>().size(), 1);
  widget.reject();
  EXPECT_TRUE(flip.done);
}

}  // namespace
}  // namespace kvx
