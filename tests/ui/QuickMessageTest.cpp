// The quick-message window: its reading time, the pointer that holds it, and the keys
// that close it at once. The clock is a number the test moves by hand.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>

#include "qm/QuickMessageWindow.h"
#include "qm/ReadingTime.h"

namespace qm {
namespace {

std::string Words(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += (i ? " " : "") + std::string("word");
  return text;
}

TEST(ReadingTime, TwoSecondsAndOneForEveryFifteenWordsAtMostTen) {
  EXPECT_EQ(ReadingTime(""), 2000);
  EXPECT_EQ(ReadingTime("...One moment, please..."), 2200);  // three words
  EXPECT_EQ(ReadingTime(Words(15)), 3000);
  EXPECT_EQ(ReadingTime(Words(30)), 4000);
  // Line breaks and runs of blanks part words as a blank does.
  EXPECT_EQ(ReadingTime("First\n\n  second\r\nthird\tfourth"), ReadingTime(Words(4)));
  EXPECT_EQ(ReadingTime(Words(120)), 10000);
  EXPECT_EQ(ReadingTime(Words(5000)), 10000);
}

TEST(ReadingTime, ThePointerHoldsTheCountdownAndLeavesASecond) {
  Countdown c(3000);
  c.Pass(2500, false);
  EXPECT_FALSE(c.Expired());
  c.Pass(60000, true);  // a minute with the pointer on it
  EXPECT_FALSE(c.Expired());
  c.Pass(900, false);
  EXPECT_FALSE(c.Expired()) << "a second is left once the pointer leaves";
  c.Pass(100, false);
  EXPECT_TRUE(c.Expired());
  Countdown backwards(2000);
  backwards.Pass(-5000, false);  // a clock that goes back gives no extra time, nor takes any
  EXPECT_EQ(backwards.Left(), 2000);
}

struct Window {
  explicit Window(const QString& text) : window(text, [this] { return now; }) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  qint64 now = 0;
  QuickMessageWindow window;
};

TEST(QuickMessageWindow, ClosesByItselfAfterTheReadingTime) {
  Window w("Creating book (Opusgrand in Ohio) now. (For Cedar & Pine Coffee)");  // 10 words
  const int time = ReadingTime("Creating book (Opusgrand in Ohio) now. (For Cedar & Pine Coffee)");
  w.now = time - 1;
  w.window.Tick();
  EXPECT_TRUE(w.window.isVisible());
  w.now = time;
  w.window.Tick();
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_EQ(w.window.result(), QDialog::Accepted);
}

TEST(QuickMessageWindow, StaysWhileThePointerRestsOnIt) {
  Window w("Error number  53 (File not found) detected.");  // seven words: 2466 ms
  w.now = 2000;
  w.window.Tick();
  QTest::mouseMove(w.window.findChild<QLabel*>());
  w.now += 60000;
  w.window.Tick();
  EXPECT_TRUE(w.window.isVisible());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&w.window, &leave);
  w.now += 500;
  w.window.Tick();
  EXPECT_TRUE(w.window.isVisible()) << "time to finish reading";
  w.now += 500;
  w.window.Tick();
  EXPECT_FALSE(w.window.isVisible());
}

TEST(QuickMessageWindow, APointerThatOnlyStoodThereHoldsNothing) {
  Window w("...One moment, please...");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&w.window, &enter);  // the window appeared under the pointer
  w.now = ReadingTime("...One moment, please...");
  w.window.Tick();
  EXPECT_FALSE(w.window.isVisible());
}

TEST(QuickMessageWindow, OkEnterAndEscapeCloseItAtOnce) {
  for (int key :
       {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape), int(Qt::Key_Space)}) {
    Window w("...One moment, please...");
    QWidget* focus = w.window.focusWidget() ? w.window.focusWidget() : &w.window;
    QTest::keyClick(focus, static_cast<Qt::Key>(key));
    EXPECT_FALSE(w.window.isVisible()) << "key " << key;
  }
}

}  // namespace
}  // namespace qm
