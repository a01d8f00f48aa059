#pragma once
// Quick messages (notices shown by the quick-message program) and the uniform report
// of a run-time error caught by a procedure's error trap.

#include <string>
#include <string_view>

namespace kvx {

struct App;

// Writes the message as one line of TMP_QM.DAT (each CR LF as "@@@") and shows it
// through the quick-message program, waiting until the user closes it. An empty message
// does nothing. When the hand-off file cannot be written or the program cannot be
// started, the message is shown in an ordinary message box, so it is never lost.
void QuickMessage(App& app, const std::string& message);

// The notice ReportError shows for error number n in procedure name.
std::string ErrorNotice(int number, std::string_view name, const std::string& diag);

// The runtime's number-to-text conversion: a blank before a non-negative number.
std::string NumberText(long long n);

}  // namespace kvx
