#include "base/FileNames.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include <dirent.h>
#include <sys/stat.h>

#include "base/Text.h"

namespace fs = std::filesystem;

namespace kvx {

namespace {

// A folder's names as last listed, kept while the folder's identity and change times are
// those seen just before the listing: every name looked up ignoring letter case is matched
// from one listing instead of listing the folder again. (The kernel gives a folder changed
// after its times were read a new change time, however soon.) The program's own changes
// are entered as they are made; another program's change made in the moment between one
// of ours and the stamp taken after it is seen at the folder's next change.
struct FolderStamp {
  dev_t dev = 0;
  ino_t ino = 0;
  timespec mtime{}, ctime{};
  bool operator==(const FolderStamp& o) const {
    return dev == o.dev && ino == o.ino && mtime.tv_sec == o.mtime.tv_sec &&
           mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
           ctime.tv_nsec == o.ctime.tv_nsec;
  }
};

struct FolderListing {
  FolderStamp stamp;
  std::vector<std::string> names;
};

bool StampOf(const std::string& folder, FolderStamp& stamp) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return false;
  stamp = {st.st_dev, st.st_ino, st.st_mtim, st.st_ctim};
  return true;
}

std::mutex listingLock;
std::map<std::string, FolderListing> listings;  // by folder; a cache, never the truth

std::string ListedFolder(const std::string& fullName) {
  const std::string folder = FolderOf(fullName);
  return folder.empty() ? "./" : folder;
}

// The names of folder, listed again when it changed. Call with listingLock held.
const FolderListing* CurrentListing(const std::string& folder) {
  FolderStamp stamp;
  if (!StampOf(folder, stamp)) {
    listings.erase(folder);
    return nullptr;
  }
  auto it = listings.find(folder);
  if (it != listings.end() && it->second.stamp == stamp) return &it->second;
  FolderListing listing;
  listing.stamp = stamp;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return nullptr;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") listing.names.push_back(name);
  }
  ::closedir(dir);
  return &(listings[folder] = std::move(listing));
}

}  // namespace

std::vector<std::string> CaseVariants(const std::string& fullName) {
  std::vector<std::string> found;
  const std::string folder = ListedFolder(fullName);
  const std::string name = NameOf(fullName);
  std::lock_guard<std::mutex> lock(listingLock);
  if (const FolderListing* listing = CurrentListing(folder))
    for (const std::string& other : listing->names)
      if (other != name && EqualsIgnoreCase(other, name))
        found.push_back(FolderOf(fullName) + other);
  return found;
}

// Enters a change the program made in the folder of fullName: the name now present or
// gone, and the folder's new stamp. A folder not listed yet is left to its first listing.
void NoteChange(const std::string& fullName, bool present) {
  const std::string folder = ListedFolder(fullName);
  const std::string name = NameOf(fullName);
  std::lock_guard<std::mutex> lock(listingLock);
  auto it = listings.find(folder);
  if (it == listings.end()) return;
  std::vector<std::string>& names = it->second.names;
  names.erase(std::remove(names.begin(), names.end(), name), names.end());
  if (present) names.push_back(name);
  if (!StampOf(folder, it->second.stamp)) listings.erase(it);
}

void RemoveVariants(const std::vector<std::string>& variants) {
  for (const std::string& p : variants) {
    std::error_code ec;
    // The link itself goes, as the file it stands for would; what it points to stays.
    const fs::file_status st = fs::symlink_status(p, ec);
    if (fs::is_regular_file(st) || fs::is_symlink(st)) {
      fs::remove(p, ec);
      NoteChange(p, false);
    }
  }
}

std::string FolderOf(const std::string& fullName) {
  const std::size_t slash = fullName.rfind('/');
  return slash == std::string::npos ? std::string() : fullName.substr(0, slash + 1);
}

std::string NameOf(const std::string& fullName) {
  const std::size_t slash = fullName.rfind('/');
  return slash == std::string::npos ? fullName : fullName.substr(slash + 1);
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.find_first_of("/\\") != std::string::npos) return false;
  if (name.find('\0') != std::string::npos) return false;
  if (name.size() >= 2 && name[1] == ':') return false;
  return true;
}

std::string Resolve(const std::string& fullName) {
  std::error_code ec;
  if (NameOf(fullName).empty()) return fullName;
  if (fs::exists(fs::symlink_status(fullName, ec))) return fullName;
  const std::vector<std::string> variants = CaseVariants(fullName);
  if (variants.empty()) return fullName;
  // The directory order is arbitrary; take the smallest name so the choice is stable.
  std::string best = variants.front();
  for (const std::string& p : variants)
    if (NameOf(p) < NameOf(best)) best = p;
  return best;
}

bool Exist(const std::string& fullName) {
  // stat never waits; the folder's names are needed only when the name as spelt is missing.
  struct stat st {};
  bool found = ::stat(fullName.c_str(), &st) == 0;
  if (!found && errno == ENOENT && !NameOf(fullName).empty()) {
    const std::string path = Resolve(fullName);
    found = path != fullName && ::stat(path.c_str(), &st) == 0;
  }
  return found && (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode));
}

}  // namespace kvx
