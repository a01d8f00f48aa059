#pragma once
// The one Qt view of every Dialog: the main window, the picture menus and every dialog
// of the program. It lays the controls out at their sizes in dialog units, forwards each
// user action to the dialog through Ui::Deliver and redraws from the dialog's
// description. It runs a loop of its own that ends only when the dialog says it is
// finished, so a window hidden while a command runs keeps running.

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <functional>
#include <map>
#include <vector>

#include "ui/Dialog.h"

class QEventLoop;
class QMenuBar;
class QAction;

namespace kvx {

class Ui;

class DialogWidget : public QDialog {
 public:
  DialogWidget(Dialog& dialog, Ui& ui, QWidget* parent = nullptr);

  // Shows the window (application-modal, centred) and runs until dialog.Finished().
  void Run();

  // Dialog units to pixels, from the dialog font as Windows does it.
  QRect ToPixels(const Rect& r) const;
  // The widget showing control i; nullptr for menu items (for tests and screenshots).
  QWidget* ControlWidget(int i) const { return widgets_.at(static_cast<std::size_t>(i)); }
  QAction* MenuAction(int id) const;
  QMenuBar* MenuBar() const { return menuBar_; }
  const std::string& Name() const { return name_; }
  // Escape presses the Cancel button, or else the close box; the main window ignores it.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void BuildMenus();
  // Tab visits the controls in the dialog's focus order.
  void OrderFocus();
  // Left or right from label or picture control from to its nearest neighbour that way.
  void MoveSideways(std::size_t from, bool right);
  void TakeFocus(QWidget* w);
  void Refresh();
  void Act(const std::function<void()>& action);

  Dialog& dialog_;
  Ui& ui_;
  std::string name_;
  DialogView view_;
  std::vector<QWidget*> widgets_;
  std::map<int, QAction*> actions_;
  QMenuBar* menuBar_ = nullptr;
  QEventLoop* loop_ = nullptr;
  int top_ = 0;   // pixels taken by the menu bar above the controls
  int left_ = 0;  // pixels added on each side for a title wider than the window
  double unitX_ = 1.5, unitY_ = 1.625;
};

// Label text as Qt rich text: "&&" shows one "&", a single "&" underlines the next
// letter, runs of blanks and line breaks are kept.
QString MnemonicText(const std::string& text);

// A picture resource by name (FORM1_PICTURE1_BMP): the 1x picture with its 2x one for
// HiDPI screens; a null pixmap when the program has no picture of that name.
QPixmap PictureResource(const std::string& name, const QSize& size);

// The program icon, at every size it is drawn in.
QIcon ProgramIcon();

}  // namespace kvx
