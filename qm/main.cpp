// qm: shows one quick message of Corvanta in a small window and exits when it is closed.
// Its one argument is the program folder, where TMP_QM.DAT holds the message.

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qm/QuickMessageFile.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::string folder = argc > 1 ? argv[1] : ".";
  QDialog window;
  window.setWindowTitle("Corvanta");
  auto* layout = new QVBoxLayout(&window);
  auto* text = new QLabel(QString::fromStdString(qm::MessageFromFolder(folder)));
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  text->setMaximumWidth(520);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
  layout->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
  window.exec();
  return 0;
}
