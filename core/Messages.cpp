#include "core/Messages.h"

#include "base/Files.h"
#include "base/Text.h"
#include "core/App.h"
#include "core/Trap.h"

namespace kvx {

namespace {

const char* Meaning(int number) {
  switch (number) {
    case 5:
      return "(Illegal function call)";
    case 7:
      return "(Out of memory)";
    case 9:
      return "(Out of range)";
    case 52:
      return "(Bad file name or number)";
    case 53:
      return "(File not found)";
    case 55:
      return "(File already open)";
    case 61:
      return "(Disk full)";
    case 62:
      return "(Input past end of file)";
    case 70:
      return "(Permission denied)";
    case 72:
      return "(Disk media error)";
    default:
      return "(Unspecified error)#";
  }
}

}  // namespace

std::string NumberText(long long n) {
  return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

void QuickMessage(App& app, const std::string& message) {
  if (message.empty()) return;
  const std::string line = ReplaceAll(message, "\r\n", "@@@");
  bool shown = false;
  try {
    WriteFile(app.Path("TMP_QM.DAT"), line + "\r\n");
    shown = app.system.RunQuickMessage(app.session.PathSpec, line);
  } catch (const KvxError&) {
    shown = false;
  }
  if (!shown)
    app.ui.ShowMessage(
        Box(app.session.ProgName, ReplaceAll(line, "@@@", "\r\n"), Icon::Information));
}

std::string ErrorNotice(int number, std::string_view name, const std::string& diag) {
  std::string diagnostic;
  if (!diag.empty()) diagnostic = " (Diagnostic:  " + diag + ")";
  return "Error number " + NumberText(number) + " " + Meaning(number) +
         " detected in subprogram or " + "function " + std::string(name) + "...." + diagnostic +
         "  Continuing momentarily....";
}

void ReportError(App& app, int number, std::string_view name, const std::string& diag) {
  QuickMessage(app, ErrorNotice(number, name, diag));
}

}  // namespace kvx
