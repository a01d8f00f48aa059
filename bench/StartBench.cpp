// The start of kvx with its windows: from main() to the main window shown, with the real
// book and a restored data set, on whatever Qt platform is set (offscreen by default).
// It runs start-up exactly as kvx does; the only difference is that the main window is
// closed as soon as it is on screen, so the run ends by itself. Prints the time taken and
// the process's peak memory. bench/start_bench.sh runs it repeatedly and reports medians.

#include <sys/resource.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/App.h"
#include "shell/Connect.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "ui/qt/DialogWidget.h"
#include "ui/qt/QtSystem.h"
#include "ui/qt/QtUi.h"

namespace {

// kvx's own folder is its program folder; here it is the folder given.
class FolderSystem : public kvx::QtSystem {
 public:
  explicit FolderSystem(std::string folder) : folder_(std::move(folder)) {}
  std::string ExecutablePath() override { return folder_ + "kvx"; }

 private:
  std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  if (argc < 2) {
    std::fprintf(stderr, "usage: start_bench PROGRAM_FOLDER/ (with a restored data set)\n");
    return 2;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  kvx::QtUi ui;
  FolderSystem system(argv[1]);
  kvx::App app(ui, system);
  kvx::ConnectParts(app);
  double shownMs = -1;
  app.hooks.runMainWindow = [&](kvx::App& a) {
    kvx::MainWindow window(a);
    kvx::DialogWidget view(window, ui);
    view.show();
    while (!view.isVisible()) QApplication::processEvents();
    QApplication::processEvents();  // the first paint
    shownMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
  };
  kvx::ProgramEntry(app, "");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  if (shownMs < 0) {
    std::fprintf(stderr, "the main window was not shown: is a data set restored in %s?\n",
                 argv[1]);
    return 1;
  }
  std::printf("main window shown after %.1f ms; peak memory %.1f MB\n", shownMs,
              static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
