#pragma once
// Error traps: a procedure runs its body in Trap, and a run-time error is reported
// through ReportError under the procedure's name; the procedure returns and its caller
// goes on.

#include <string>
#include <string_view>

#include "base/Errors.h"

namespace kvx {

struct App;

// Shows the uniform notice of a run-time error (defined with the quick messages).
void ReportError(App& app, int number, std::string_view name, const std::string& diag);

// Returns true when the body ran to its end.
template <class Body>
bool Trap(App& app, std::string_view name, Body&& body) {
  KvxError error;
  try {
    body();
    return true;
  } catch (...) {
    error = CurrentError();
  }
  ReportError(app, error.number, name, error.diag);
  return false;
}

}  // namespace kvx
