#include "ui/qt/QtSystem.h"

#include <QDesktopServices>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

#include "base/Errors.h"
#include "base/Files.h"
#include "navigation/BrowserCommand.h"
#include "ui/qt/PrintPages.h"

namespace kvx {

bool QtSystem::Run(const std::vector<std::string>& argv, bool wait) {
  if (argv.empty()) return false;
  QStringList args;
  for (std::size_t i = 1; i < argv.size(); ++i) args << QString::fromStdString(argv[i]);
  const QString program = QString::fromStdString(argv[0]);
  if (!wait) return QProcess::startDetached(program, args);
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(program, args);
  if (!process.waitForStarted(-1)) return false;
  process.waitForFinished(-1);
  return true;
}

bool QtSystem::RunQuickMessage(const std::string& programDir, const std::string& /*message*/) {
  return Run({programDir + "qm", programDir}, true);
}

bool QtSystem::Browse(const std::string& address) {
  const char* browserVar = std::getenv("BROWSER");
  const char* pathVar = std::getenv("PATH");
  const std::string command =
      FindBrowserCommand(browserVar ? browserVar : "", pathVar ? pathVar : "");
  std::string url = BrowserUrl(address);
  if (NeedsRedirect(command, address)) {
    // The handler would drop the anchor: it opens a page that forwards to the full URL.
    const std::string jump = RedirectPagePath(address);
    try {
      WriteFile(jump, RedirectPageText(url));
      url = FileUrl(jump);
    } catch (const KvxError&) {
      // Without the page the book still opens, at its top.
    }
  }
  if (!command.empty()) {
    const std::vector<std::string> argv = BrowserArgv(command, url);
    if (!argv.empty() && Run(argv, false)) return true;
  }
  return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
}

bool QtSystem::HasDefaultPrinter() {
  return !QPrinterInfo::defaultPrinter().isNull();
}

namespace {

// The job's pages on a printer set up for them, below the paper's own top margin.
bool PrintOn(QPrinter& printer, const PrintJob& job) {
  printer.setDocName(QString::fromStdString(job.name));
  const int topMargin =
      static_cast<int>(printer.pageLayout().marginsPixels(printer.resolution()).top());
  return PrintPages(printer, job, topMargin);
}

}  // namespace

bool QtSystem::Print(const PrintJob& job) {
  if (!HasDefaultPrinter()) return false;
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  return PrintOn(printer, job);
}

bool QtSystem::SavePdf(const PrintJob& job, const std::string& path) {
  // Qt's own PDF output of a printer, on the paper of the program's users.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  return PrintOn(printer, job);
}

}  // namespace kvx
