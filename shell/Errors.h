#pragma once
// The program's own run-time error: an error number as the error report knows them and
// a diagnostic text saying what the procedure was doing.

#include <string>
#include <string_view>

namespace kvx {

struct App;

struct KvxError {
  int number = 0;
  std::string diag;
};

// Error numbers of the run-time table.
enum ErrorNumber : int {
  kErrIllegalCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrOutOfRange = 9,
  kErrBadFileName = 52,
  kErrFileNotFound = 53,
  kErrFileAlreadyOpen = 55,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrPermissionDenied = 70,
  kErrDiskMedia = 72,
};

[[noreturn]] void Raise(int number, std::string diag = {});

// Maps whatever a procedure body threw (a KvxError, std::bad_alloc, another
// std::exception) to an error number and diagnostic. Anything else is rethrown: the
// automation front end ends a run by throwing its own type through every trap.
KvxError CurrentError();

// Runs a procedure body inside its error trap: a run-time error is reported through
// ReportError under the procedure's name and the procedure returns. Returns true when
// the body ran to its end.
template <class Body>
bool Trap(App& app, std::string_view name, Body&& body);

void ReportError(App& app, int number, std::string_view name, const std::string& diag);

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
