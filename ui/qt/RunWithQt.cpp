#include "ui/qt/RunWithQt.h"

#include <QApplication>
#include <QIcon>
#include <exception>
#include <iostream>

#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtSystem.h"
#include "ui/qt/QtUi.h"

namespace kvx {

int RunWithQt(int argc, char** argv, const std::function<void(Ui&, System&)>& program) {
  QApplication application(argc, argv);
  application.setApplicationName("Corvanta");
  application.setQuitOnLastWindowClosed(false);
  application.setWindowIcon(ProgramIcon());
  QtUi ui;
  QtSystem system;
  try {
    program(ui, system);
  } catch (const std::exception& e) {
    // Every procedure traps its own errors; this is the last guard so that nothing
    // escapes into Qt.
    std::cerr << "Corvanta stopped: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace kvx
