#include "base/WorkFolders.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "base/Errors.h"
#include "base/FileNames.h"
#include "base/WorkNames.h"

namespace fs = std::filesystem;

namespace kvx {

std::string MakeWorkFolder(const std::string& folder, const std::string& label) {
  for (;;) {
    // An ordinary folder (the umask applies), as the pages in it are ordinary files.
    const std::string work = folder + WorkName(label);
    if (::mkdir(work.c_str(), 0777) == 0) return work + "/";
    if (errno != EEXIST) Raise(ErrnoToError(errno), "Unable to create folder: " + work);
  }
}

void RemoveTree(const std::string& fullName) {
  std::error_code ec;
  fs::remove_all(fullName, ec);  // links are removed, never followed
  if (ec) Raise(ErrnoToError(ec.value()), "Unable to delete: " + fullName);
}

void ReplaceFolder(const std::string& work, const std::string& target) {
  const std::string from = work.back() == '/' ? work.substr(0, work.size() - 1) : work;
  if (std::rename(from.c_str(), target.c_str()) == 0) return;
  if (errno != ENOTEMPTY && errno != EEXIST && errno != ENOTDIR && errno != EISDIR)
    Raise(ErrnoToError(errno), "Unable to rename " + from + " to " + target);
  // Whatever holds the name (an old folder, a file, a link) is moved aside in the same
  // folder, the new folder takes its name, and then the old one is removed.
  const std::string holder = MakeWorkFolder(FolderOf(target), "old");
  const std::string aside = holder + "old";
  if (std::rename(target.c_str(), aside.c_str()) != 0 ||
      std::rename(from.c_str(), target.c_str()) != 0) {
    const int e = errno;
    std::rename(aside.c_str(), target.c_str());
    std::error_code ignored;
    fs::remove(holder.substr(0, holder.size() - 1), ignored);  // only when empty again
    Raise(ErrnoToError(e), "Unable to replace " + target);
  }
  // The new folder is in place; an old one that cannot be removed stays hidden aside.
  std::error_code ec;
  fs::remove_all(holder, ec);
}

}  // namespace kvx
