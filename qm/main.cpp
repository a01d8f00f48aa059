// qm: shows one quick message of Corvanta in a small window and exits when it closes,
// by the user or by itself once there has been time to read it. Its one argument is the
// program folder, where TMP_QM.DAT holds the message.

#include <QApplication>

#include "qm/QuickMessageFile.h"
#include "qm/QuickMessageWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::string folder = argc > 1 ? argv[1] : ".";
  qm::QuickMessageWindow window(QString::fromStdString(qm::MessageFromFolder(folder)));
  window.exec();
  return 0;
}
