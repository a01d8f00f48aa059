#include "profile/ConvertOldDataNames.h"

#include "profile/DataSets.h"
#include "core/App.h"
#include "core/Trap.h"
#include "base/Files.h"

namespace kvx {

namespace {

// The upper-cased name with its ".DAT" turned into ".KVX"; empty when it has none.
std::string NewName(const std::string& oldName) {
  std::string name = UpperAscii(oldName);
  const std::size_t at = name.rfind(".DAT");
  if (at == std::string::npos) return {};
  return name.replace(at, 4, ".KVX");
}

// Renames old to new unless a data set of the new name is already there: that one is
// never overwritten.
void RenameDataSet(App& app, const std::string& oldName, const std::string& newName) {
  if (Exist(app.Path(oldName)) && !Exist(app.Path(newName)))
    RenameFile(app.Path(oldName), app.Path(newName));
}

}  // namespace

void ConvertOldDataNames(App& app) {
  Trap(app, "ConvertOldDataNames", [&] {
    if (Exist(app.Path("LASTDATA.TXT"))) {
      LineReader reader(app.Path("LASTDATA.TXT"));
      const std::string old = reader.AtEnd() ? std::string() : reader.Next();
      const std::string renamed = NewName(old);
      if (!renamed.empty() && IsPlainFileName(old)) {
        RenameDataSet(app, old, renamed);
        WriteFileAtomic(app.Path("LASTDATA.TXT"), JoinLines({renamed}));
      }
    }
    if (Exist(app.Path("NDEXDATA.TXT"))) {
      std::vector<std::string> names;
      bool changed = false;
      LineReader reader(app.Path("NDEXDATA.TXT"));
      while (names.size() < kDataListSlots && !reader.AtEnd()) {
        const std::string name = reader.Next();
        if (!IsPlainFileName(name)) continue;
        const std::string renamed = NewName(name);
        if (!Exist(app.Path(name))) {
          // The data set LASTDATA.TXT named was renamed above: keep it listed under its
          // new name instead of dropping it as missing.
          if (!renamed.empty() && Exist(app.Path(renamed))) {
            names.push_back(renamed);
            changed = true;
          }
          continue;
        }
        if (!renamed.empty()) {
          RenameDataSet(app, name, renamed);
          names.push_back(renamed);
          changed = true;
        } else {
          names.push_back(name);
        }
      }
      if (changed) WriteFileAtomic(app.Path("NDEXDATA.TXT"), JoinLines(names));
    }
    DeleteIfExists(app.Path("COMPAT.KVX"));
  });
}

}  // namespace kvx
