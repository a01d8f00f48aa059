// The program without a mouse, on the offscreen platform: picture buttons and menu labels
// take the focus in reading order and act on Enter and Space, the consulting window's
// number field is ready for typing, the File menu has its shortcuts, and Escape presses
// a dialog's Cancel button or its close box.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "consult/SessionWindow.h"
#include "consult/TopicChoice.h"
#include "core/App.h"
#include "navigation/PictureMenus.h"
#include "profile/CompanyProfile.h"
#include "profile/DataSetDialog.h"
#include "profile/LegalEntityDialog.h"
#include "shell/MainWindow.h"
#include "tests/support/TestApp.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtUi.h"

namespace kvx {
namespace {

using test::Count;
using test::TestApp;

// A California company with its book files, as start-up leaves it.
struct Home {
  explicit Home(const std::string& script = "") : t(script) {
    t.PutBookFiles("CA");
    t.PutLines("ACME.KVX", test::SampleDataSet());
    t.SetProgramFolder();
    const auto lines = test::SampleDataSet();
    t.app.profile.StateName = lines[0];
    t.app.profile.StateCode = lines[1];
    t.app.profile.Company = lines[2];
    t.app.profile.Entity = lines[3];
    t.app.profile.InExistence = "Y";
    t.app.profile.DataComplete = "Y";
    t.app.session.DataFile = "ACME.KVX";
    t.app.nav.BrowserNoticeCount = 2;
  }
  TestApp t;
};

int IndexOf(const Dialog& dialog, const std::string& text) {
  const DialogView view = dialog.Describe();
  for (std::size_t i = 0; i < view.controls.size(); ++i)
    if (view.controls[i].text == text) return static_cast<int>(i);
  ADD_FAILURE() << "no control " << text;
  return -1;
}

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// A key as the user types it: to the widget that has the focus.
void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  QTest::keyClick(target, key, modifiers);
}

// What the focused control is called: a picture's resource, a label's or button's text.
std::string Focused(const QWidget& window) {
  const QWidget* w = window.focusWidget();
  return w ? w->accessibleName().toStdString() : std::string();
}

// The names the focus visits with count presses of key, starting where it is.
std::vector<std::string> Walk(QWidget& window, Qt::Key key, int count,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    Press(window, key, modifiers);
    names.push_back(Focused(window));
  }
  return names;
}

TEST(Keyboard, MainWindowPicturesTakeTheFocusColumnByColumn) {
  Home h;
  MainWindow window(h.t.app);
  DialogWidget view(window, h.t.app.ui);
  ShowActive(view);
  const DialogView described = window.Describe();
  int list = -1;
  for (std::size_t i = 0; i < described.controls.size(); ++i)
    if (described.controls[i].kind == Control::Kind::List) list = static_cast<int>(i);
  view.ControlWidget(list)->setFocus();
  const std::vector<std::string> right = {"FORM1_PICTURE14_BMP", "FORM1_PICTURE9_BMP",
                                          "FORM1_PICTURE10_BMP", "FORM1_PICTURE11_BMP",
                                          "FORM1_PICTURE12_BMP", "FORM1_PICTURE13_BMP"};
  EXPECT_EQ(Walk(view, Qt::Key_Tab, 6), right);
  const std::vector<std::string> left = {"FORM1_PICTURE2_BMP", "FORM1_PICTURE3_BMP",
                                         "FORM1_PICTURE4_BMP", "FORM1_PICTURE5_BMP",
                                         "FORM1_PICTURE6_BMP", "FORM1_PICTURE7A_BMP"};
  EXPECT_EQ(Walk(view, Qt::Key_Tab, 6), left) << "after the last column, the first";
  // Shift+Tab goes back the same way.
  Press(view, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(Focused(view), "FORM1_PICTURE6_BMP");
  // Up and down stay in reading order; left and right cross to the other column.
  Press(view, Qt::Key_Up);
  EXPECT_EQ(Focused(view), "FORM1_PICTURE5_BMP");
  Press(view, Qt::Key_Right);
  EXPECT_EQ(Focused(view), "FORM1_PICTURE11_BMP");
  Press(view, Qt::Key_Down);
  EXPECT_EQ(Focused(view), "FORM1_PICTURE12_BMP");
  Press(view, Qt::Key_Left);
  EXPECT_EQ(Focused(view), "FORM1_PICTURE6_BMP");
  Press(view, Qt::Key_Left);  // nothing further left: back in reading order
  EXPECT_EQ(Focused(view), "FORM1_PICTURE5_BMP");
  EXPECT_EQ(Walk(view, Qt::Key_Tab, 1, Qt::ShiftModifier).back(), "FORM1_PICTURE4_BMP");

  // Enter and Space act as a click.
  view.ControlWidget(IndexOf(window, "FORM1_PICTURE6_BMP"))->setFocus();
  Press(view, Qt::Key_Return);
  EXPECT_EQ(Count(h.t.Output(), "address: " + h.t.dir() + "contents.htm\n"), 1);
  view.ControlWidget(IndexOf(window, "FORM1_PICTURE4_BMP"))->setFocus();
  Press(view, Qt::Key_Space);
  EXPECT_EQ(Count(h.t.Output(), "address: " + h.t.dir() + "appendA.htm#MYINFO\n"), 1);
  EXPECT_FALSE(window.Finished());
  // Escape does not end the program.
  Press(view, Qt::Key_Escape);
  EXPECT_FALSE(window.Finished());
  EXPECT_TRUE(view.isVisible());
}

TEST(Keyboard, TheFocusedPictureShowsAFrame) {
  Home h;
  MainWindow window(h.t.app);
  DialogWidget view(window, h.t.app.ui);
  ShowActive(view);
  QWidget* picture = view.ControlWidget(IndexOf(window, "FORM1_PICTURE3_BMP"));
  QWidget* other = view.ControlWidget(IndexOf(window, "FORM1_PICTURE4_BMP"));
  other->setFocus();
  const QImage plain = picture->grab().toImage();
  picture->setFocus();
  ASSERT_TRUE(picture->hasFocus());
  const QImage framed = picture->grab().toImage();
  EXPECT_NE(plain, framed);
  const qreal scale = framed.devicePixelRatio();
  const int middle = static_cast<int>(framed.height() / 2);
  EXPECT_EQ(QColor(framed.pixel(static_cast<int>(scale), middle)), QColor(Qt::black));
  EXPECT_EQ(QColor(framed.pixel(framed.width() - 1 - static_cast<int>(scale), middle)),
            QColor(Qt::black));
}

TEST(Keyboard, FileMenuShortcutsAreShownAndWork) {
  Home h("close\ncancel\n");  // the data-set dialog, then the company-name question
  MainWindow window(h.t.app);
  DialogWidget view(window, h.t.app.ui);
  ShowActive(view);
  const std::pair<int, const char*> keys[] = {
      {kMenuNew, "Ctrl+N"}, {kMenuOpen, "Ctrl+O"}, {kMenuSave, "Ctrl+S"}};
  for (const auto& [id, key] : keys) {
    ASSERT_NE(view.MenuAction(id), nullptr);
    EXPECT_EQ(view.MenuAction(id)->shortcut(), QKeySequence(key));
  }
  EXPECT_TRUE(view.MenuAction(kMenuSaveAs)->shortcut().isEmpty());
  Press(view, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Count(h.t.Output(), "== QUICK\ntext: File saved as ACME.KVX"), 1);
  Press(view, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Count(h.t.Output(), "== DIALOG DataSetDialog"), 1);
  Press(view, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Count(h.t.Output(), "== INPUT\ntitle: Name of Company"), 1);
  EXPECT_EQ(h.t.Output().find("== END"), std::string::npos) << h.t.Output();
}

struct Ohio {
  Ohio() {
    t.SetProgramFolder();
    t.app.profile.StateName = "Ohio";
    t.app.profile.StateCode = "OH";
    t.app.profile.Entity = "LLC";
    t.app.nav.BrowserNoticeCount = 2;
  }
  TestApp t;
};

TEST(Keyboard, PictureMenuLabelsColumnByColumnThenClose) {
  Ohio o;
  PictureMenu menu(o.t.app, 9);
  DialogWidget view(menu, o.t.app.ui);
  ShowActive(view);
  view.ControlWidget(IndexOf(menu, "Income Taxes - Federal"))->setFocus();
  const std::vector<std::string> order = {
      "FICA (Soc. Sec.) Taxes",       "Self-Employment Tax",
      "Federal Unemployment Tax",     "Federal Excise Taxes",
      "Federal Estate && Gift Taxes", "Federal Wage Withholding",
      "Ohio Income/Franchise Tax",    "Ohio/Local Property Taxes",
      "Ohio Sales and Use Taxes",     "Ohio Unemployment Tax",
      "Misc. Other Ohio Taxes",       "State Inheritance/Gift Taxes",
      "Ohio Wage Withholding",        "CL&OSE"};
  EXPECT_EQ(Walk(view, Qt::Key_Tab, static_cast<int>(order.size())), order);
  EXPECT_EQ(Walk(view, Qt::Key_Tab, 1).back(), "Income Taxes - Federal") << "round again";
  EXPECT_EQ(Walk(view, Qt::Key_Down, 1).back(), "FICA (Soc. Sec.) Taxes");
  EXPECT_EQ(Walk(view, Qt::Key_Right, 1).back(), "Ohio/Local Property Taxes");
  EXPECT_EQ(Walk(view, Qt::Key_Up, 1).back(), "Ohio Income/Franchise Tax");
  EXPECT_EQ(Walk(view, Qt::Key_Left, 1).back(), "Income Taxes - Federal");
  // Enter and Space open the topic; the menu stays.
  Press(view, Qt::Key_Enter);
  view.ControlWidget(IndexOf(menu, "Ohio Income/Franchise Tax"))->setFocus();
  Press(view, Qt::Key_Space);
  EXPECT_EQ(Count(o.t.Output(), "address: " + o.t.dir() + "chap05.htm#05.05\n"), 1);
  EXPECT_EQ(Count(o.t.Output(), "address: " + o.t.dir() + "statchap.htm#TAX_LLC\n"), 1);
  EXPECT_FALSE(menu.Finished());
  Press(view, Qt::Key_Escape);
  EXPECT_TRUE(menu.Finished());
}

TEST(Keyboard, TheEmployeesMenuReadsEachStaircaseInTurn) {
  Ohio o;
  PictureMenu menu(o.t.app, 11);
  DialogWidget view(menu, o.t.app.ui);
  ShowActive(view);
  view.ControlWidget(IndexOf(menu, "Independent Contractor or Employee?"))->setFocus();
  EXPECT_EQ(Walk(view, Qt::Key_Down, 2),
            (std::vector<std::string>{"Withholding and &Payroll Taxes",
                                      "Workers' Compensation Insurance"}));
  view.ControlWidget(IndexOf(menu, "WARN Act"))->setFocus();
  EXPECT_EQ(Walk(view, Qt::Key_Left, 1).back(), "Independent Contractor or Employee?");
}

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

TEST(Keyboard, TheNumberFieldIsReadyForTypingWheneverANumberIsAsked) {
  TestApp t;
  t.SetProgramFolder();
  ConsultState& s = t.app.consult;
  s.ConsultTopic = 1;
  s.SessionTitle[1] = "Can Acme Claim Home Office Deductions?";
  s.AnswerMode = "NUM";
  s.MaxChoice = 3;
  s.ScreenText = "Which one?\r\n";
  SessionWindow window(t.app);
  DialogWidget view(window, t.app.ui);
  auto* field = qobject_cast<QLineEdit*>(view.ControlWidget(SessionWindow::kNumber));
  ASSERT_NE(field, nullptr);
  bool readyAtOpen = false, readyAgain = false;
  Steps steps({[&] {
                 readyAtOpen = view.focusWidget() == field && field->selectedText() == "1";
                 QTest::keyClicks(field, "7");  // replaces the selected 1
                 Press(view, Qt::Key_Return);   // out of range: asked again
               },
               [&] {
                 readyAgain = view.focusWidget() == field && field->text().isEmpty();
                 QTest::keyClicks(field, "3");
                 Press(view, Qt::Key_Return);
               }});
  view.Run();
  EXPECT_TRUE(readyAtOpen);
  EXPECT_TRUE(readyAgain);
  EXPECT_EQ(Count(t.Output(), "text: Number entered is out of range (1 to 3)"), 1);
  EXPECT_TRUE(window.Finished());
  EXPECT_EQ(s.Answer, "3");
}

TEST(Keyboard, EscapePressesCancelWhereThereIsOne) {
  TestApp t;
  t.SetProgramFolder();
  t.app.consult.ConsultCompany = "Acme";
  {
    // Cancel forgets the topic chosen; the close box would keep it.
    TopicChoice choice(t.app);
    DialogWidget view(choice, t.app.ui);
    ShowActive(view);
    choice.Click(TopicChoice::kFirstOption + 2);
    ASSERT_EQ(t.app.consult.ConsultTopic, 3);
    Press(view, Qt::Key_Escape);
    EXPECT_TRUE(choice.Finished());
    EXPECT_EQ(t.app.consult.ConsultTopic, 0);
  }
  {
    InterviewAnswers answers;
    LegalEntityDialog entity(answers, "corporation", true, 2);
    DialogWidget view(entity, t.app.ui);
    ShowActive(view);
    Press(view, Qt::Key_Escape);
    EXPECT_TRUE(entity.Finished());
    EXPECT_TRUE(answers.Entity.empty());
  }
  {
    DataSetDialog sets(t.app);
    DialogWidget view(sets, t.app.ui);
    ShowActive(view);
    t.app.session.NewFileName = "ACME.KVX";
    Press(view, Qt::Key_Escape);
    EXPECT_TRUE(sets.Finished());
    EXPECT_TRUE(t.app.session.NewFileName.empty());
  }
  // Boxes: Escape as soon as one is up.
  QtUi ui;
  QTimer escape;
  QObject::connect(&escape, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Escape);
  });
  escape.start(10);
  EXPECT_EQ(ui.ShowMessage(Box("Corvanta", "Go on?", Icon::Question, kOk | kCancel)), kCancel);
  EXPECT_EQ(ui.Input("Name of Business", "Enter the name", "Acme"), std::nullopt);
}

TEST(Keyboard, EnterPressesTheButtonThatHasTheFocus) {
  TestApp t;
  t.SetProgramFolder();
  t.app.consult.ConsultCompany = "Acme";
  TopicChoice choice(t.app);
  DialogWidget view(choice, t.app.ui);
  ShowActive(view);
  EXPECT_EQ(Focused(view), TopicOption(1)) << "the first option has the focus at first";
  Press(view, Qt::Key_Space);
  EXPECT_EQ(t.app.consult.ConsultTopic, 1);
  view.ControlWidget(TopicChoice::kCancel)->setFocus();
  Press(view, Qt::Key_Return);
  EXPECT_TRUE(choice.Finished());
  EXPECT_EQ(t.app.consult.ConsultTopic, 0) << "CANCEL, not the default OK";
}

}  // namespace
}  // namespace kvx
