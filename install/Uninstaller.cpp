#include "install/Uninstaller.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "base/Errors.h"
#include "base/Files.h"
#include "base/Text.h"
#include "install/UninstallList.h"

namespace kvx::uninstall {

namespace fs = std::filesystem;

namespace {

// True when path lies inside root, both compared after links are followed, so that a
// folder on the way that is a link cannot lead the removal elsewhere.
bool ReallyInside(const fs::path& path, const fs::path& root) {
  std::error_code ec;
  const fs::path parent = fs::weakly_canonical(path.parent_path(), ec);
  if (ec) return false;
  const fs::path base = fs::weakly_canonical(root, ec);
  if (ec) return false;
  const fs::path relative = parent.lexically_relative(base);
  return !relative.empty() && *relative.begin() != "..";
}

class Remover {
 public:
  explicit Remover(UninstallResult& result) : result_(result) {}

  // Removes one file or link (never a folder); false when nothing was removed.
  bool Remove(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status)) return false;
    if (fs::is_directory(status)) {
      result_.refused.push_back(path.string() + " (a folder, not a file)");
      return false;
    }
    if (!fs::remove(path, ec) || ec) {
      result_.failed.push_back(path.string() + ": " + (ec ? ec.message() : "not removed"));
      return false;
    }
    result_.removed.push_back(path.string());
    return true;
  }

  // Removes the empty folders from the file's folder upwards, ending before stop.
  static void RemoveEmptyFolders(const fs::path& file, const fs::path& stop) {
    std::error_code ec;
    for (fs::path dir = file.parent_path(); dir != stop && dir.has_relative_path();
         dir = dir.parent_path()) {
      if (!fs::is_empty(dir, ec) || ec || !fs::remove(dir, ec)) return;
    }
  }

 private:
  UninstallResult& result_;
};

}  // namespace

UninstallResult Uninstall(const fs::path& program) {
  UninstallResult result;
  const fs::path self = program.lexically_normal();
  const fs::path folder = self.parent_path();
  const std::string selfName = self.filename().string();
  const fs::path listName = folder / (selfName + ".dat");

  std::string text;
  std::error_code ec;
  const auto size = fs::file_size(listName, ec);
  if (ec) {
    result.error = "The list of installed files " + listName.string() + " was not found.";
    return result;
  }
  if (size > kMaxListBytes) {
    result.error = listName.string() + " is not a list of installed files.";
    return result;
  }
  try {
    text = ReadFileBytes(listName.string());
  } catch (const KvxError& error) {
    result.error = error.diag;
    return result;
  }
  const UninstallList list = ParseUninstallList(text, folder);
  if (!list.valid) {
    result.error = listName.string() + " is not a list of installed files.";
    return result;
  }
  for (const std::string& line : list.refused)
    result.refused.push_back(line + " (outside the program folder)");

  Remover remover(result);
  const fs::path prefix = folder.parent_path();
  for (const ListedFile& file : list.files) {
    // The pair goes last, once everything else is done.
    if (file.path == self || file.path == listName) continue;
    const fs::path root = file.shared ? prefix / "share" : folder;
    if (!ReallyInside(file.path, root)) {
      if (fs::exists(fs::symlink_status(file.path, ec)))
        result.refused.push_back(file.path.string() + " (reached through a link)");
      continue;
    }
    if (remover.Remove(file.path))
      Remover::RemoveEmptyFolders(file.path, file.shared ? prefix : folder);
  }

  // The user was asked about these before the uninstaller started.
  std::vector<fs::path> made;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsUserFile(name)) made.push_back(it->path());
  }
  std::sort(made.begin(), made.end());
  for (const fs::path& path : made) remover.Remove(path);

  if (!result.failed.empty()) return result;
  remover.Remove(listName);
  // A running program can be removed on this system: it goes on from memory.
  remover.Remove(self);
  result.selfRemoved =
      !fs::exists(fs::symlink_status(self, ec)) && !fs::exists(fs::symlink_status(listName, ec));
  result.folderRemoved = fs::is_empty(folder, ec) && !ec && fs::remove(folder, ec);
  return result;
}

fs::path RunningProgram(const char* argv0) {
  std::error_code ec;
  fs::path path;
  if (argv0 && std::string(argv0).find('/') != std::string::npos)
    path = fs::absolute(argv0, ec);
  else
    path = fs::read_symlink("/proc/self/exe", ec);  // found through PATH
  if (ec) return {};
  // The folder as it really is, so that the list's names are compared with the right one.
  const fs::path real = fs::weakly_canonical(path, ec);
  return ec ? path.lexically_normal() : real;
}

std::string UninstallQuestion(const fs::path& folder) {
  return "This removes Corvanta from " + folder.string() +
         ":\nthe program, its book files and the company data sets and book pages made "
         "there.\nRemove them now? (y/N) ";
}

bool IsYes(const std::string& answer) {
  const std::string word = LowerAscii(TrimSpaces(answer));
  return word == "y" || word == "yes";
}

}  // namespace kvx::uninstall
