#include "base/Errors.h"

#include <cerrno>
#include <exception>
#include <new>
#include <stdexcept>

namespace kvx {

void Raise(int number, std::string diag) {
  throw KvxError{number, std::move(diag)};
}

int ErrnoToError(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR:
      return kErrFileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
      return kErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrDiskFull;
    case ENAMETOOLONG:
    case EINVAL:
      return kErrBadFileName;
    case EIO:
      return kErrDiskMedia;
    default:
      return kErrPermissionDenied;
  }
}

KvxError CurrentError() {
  try {
    throw;
  } catch (const KvxError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return {kErrOutOfMemory, {}};
  } catch (const std::length_error&) {
    return {kErrOutOfMemory, {}};
  } catch (const std::out_of_range&) {
    return {kErrOutOfRange, {}};
  } catch (const std::exception& e) {
    return {kErrIllegalCall, e.what()};
  }
}

}  // namespace kvx
