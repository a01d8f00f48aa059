#pragma once
// The program's own run-time error: an error number as the error report knows them and
// a diagnostic text saying what the procedure was doing.

#include <exception>
#include <string>

namespace kvx {

struct KvxError : std::exception {
  KvxError() = default;
  KvxError(int number, std::string diag) : number(number), diag(std::move(diag)) {}
  const char* what() const noexcept override { return diag.c_str(); }
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

// The error number of a failed system call's errno value (53 for a missing file, 70 for a
// refused one, 61 for a full disk, 52 for a bad name, 72 for a failing disk).
int ErrnoToError(int e);

// Maps whatever a procedure body threw (a KvxError, std::bad_alloc, another
// std::exception) to an error number and diagnostic. Anything else is rethrown: the
// automation front end ends a run by throwing its own type through every trap.
KvxError CurrentError();

}  // namespace kvx
