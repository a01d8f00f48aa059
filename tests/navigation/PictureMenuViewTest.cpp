// The picture menus on screen: each opens through the Qt front end at its size, shows
// its picture, and a click on a label opens the book while the menu stays.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "core/App.h"
#include "navigation/PictureMenus.h"
#include "tests/support/TestApp.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtUi.h"

namespace kvx {
namespace {

using test::TestApp;

struct OhioApp {
  OhioApp() {
    t.SetProgramFolder();
    t.app.profile.StateName = "Ohio";
    t.app.profile.StateCode = "OH";
    t.app.profile.Entity = "LLC";
  }
  TestApp t;
};

int IndexOf(const Dialog& dialog, const std::string& text) {
  const DialogView view = dialog.Describe();
  for (std::size_t i = 0; i < view.controls.size(); ++i)
    if (view.controls[i].text == text) return static_cast<int>(i);
  return -1;
}

TEST(PictureMenuView, EveryMenuShowsItsPictureAndOpensAClickedTopic) {
  const char* firstLabel[] = {"Income Taxes - Federal", "ADA Discrimination Rules",
                              "Wage-Hour Laws", "Tax Accounting Method", "Assistance"};
  const char* address[] = {"chap05.htm#05.05", "chap06.htm#06.10", "chap06.htm#06.06",
                           "chap11.htm#11.03", "chap17.htm"};
  for (int form = kFirstMenu; form <= kLastMenu; ++form) {
    OhioApp s;
    PictureMenu menu(s.t.app, form);
    DialogWidget view(menu, s.t.app.ui);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const MenuLayout& layout = menu.Layout();
    EXPECT_EQ(view.size(), view.ToPixels(Rect{0, 0, layout.width, layout.height}).size());
    auto* picture = qobject_cast<QLabel*>(view.ControlWidget(0));
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->pixmap().isNull()) << "resource of FORM" << form;
    EXPECT_EQ(picture->geometry(), view.ToPixels(layout.pictureRect));
    EXPECT_EQ(view.windowTitle(), "Opusgrand in Ohio");
    const int label = IndexOf(menu, firstLabel[form - kFirstMenu]);
    ASSERT_GE(label, 0);
    for (int i = 0; i < 2; ++i) QTest::mouseClick(view.ControlWidget(label), Qt::LeftButton);
    EXPECT_TRUE(view.isVisible()) << "the menu stays open";
    EXPECT_EQ(
        test::Count(s.t.Output(), "address: " + s.t.dir() + address[form - kFirstMenu] + "\n"), 2);
    QTest::keyClick(&view, Qt::Key_F1);
    EXPECT_EQ(test::Count(s.t.Output(), "command: " + s.t.dir() + "kvxhelp " + s.t.dir()), 1);
    auto* close = qobject_cast<QPushButton*>(view.ControlWidget(IndexOf(menu, "CL&OSE")));
    ASSERT_TRUE(close);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_TRUE(menu.Finished());
    EXPECT_FALSE(view.isVisible());
  }
}

TEST(PictureMenuView, EntityAddressAndRegisteredViewThroughQtUi) {
  OhioApp s;
  QtUi ui;
  App app(ui, s.t.system);
  app.session.PathSpec = s.t.dir();
  app.profile = s.t.app.profile;
  app.nav.BrowserNoticeCount = 2;
  bool sawView = false;
  QTimer::singleShot(0, [&] {
    auto* view = dynamic_cast<DialogWidget*>(QApplication::activeModalWidget());
    if (!view) {
      QApplication::activeModalWidget()->close();
      return;
    }
    sawView = view->objectName() == "FORM9";
    const auto labels = view->findChildren<QLabel*>();
    for (QLabel* label : labels)
      if (label->accessibleName() == "Ohio Income/Franchise Tax")
        QTest::mouseClick(label, Qt::LeftButton);
    view->close();
  });
  RunPictureMenu(app, 9);
  EXPECT_TRUE(sawView);
  EXPECT_NE(s.t.Output().find("address: " + s.t.dir() + "statchap.htm#TAX_LLC\n"),
            std::string::npos);
}

// With KVX_SCREENSHOT_DIR set, saves a picture of every menu there for a person to look at.
TEST(PictureMenuView, Screenshots) {
  const char* dir = std::getenv("KVX_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "KVX_SCREENSHOT_DIR not set";
  ASSERT_FALSE(QFontDatabase::families().isEmpty()) << "without fonts every glyph is a box";
  for (int form = kFirstMenu; form <= kLastMenu; ++form) {
    OhioApp s;
    PictureMenu menu(s.t.app, form);
    DialogWidget view(menu, s.t.app.ui);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_TRUE(view.grab().save(QString("%1/FORM%2.png").arg(dir).arg(form)));
  }
}

TEST(PictureMenuView, MnemonicsShowAsUnderlinesAndDoubleAmpersands) {
  EXPECT_EQ(MnemonicText("Job Safety && Health (OSHA)"), "Job Safety &amp; Health (OSHA)");
  EXPECT_EQ(MnemonicText("Employee &References"), "Employee <u>R</u>eferences");
  EXPECT_EQ(MnemonicText("a <b>"), "a &lt;b&gt;");
  EXPECT_EQ(MnemonicText("end&"), "end&amp;");
  EXPECT_EQ(MnemonicText("Prof.  Advisers"), "Prof. &nbsp;Advisers");
}

}  // namespace
}  // namespace kvx

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
