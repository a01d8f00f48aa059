#pragma once

namespace kvx {

struct App;

// Renames data sets saved under the old ".DAT" extension to ".KVX", in LASTDATA.TXT,
// NDEXDATA.TXT and on disk, then deletes the marker COMPAT.KVX.
void ConvertOldDataNames(App& app);

}  // namespace kvx
