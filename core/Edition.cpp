#include "core/Edition.h"

#include "Edition.inc"

namespace kvx {

const Edition& BuiltEdition() {
  static const Edition edition{KVX_EDITION_VERSION, KVX_EDITION_TAX_YEAR, {KVX_EDITION_ABOUT}};
  return edition;
}

}  // namespace kvx
