#include "base/Errors.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace kvx {

void Raise(int number, std::string diag) {
  throw KvxError{number, std::move(diag)};
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
