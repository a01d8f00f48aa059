#include "base/Files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <string_view>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"

namespace fs = std::filesystem;

namespace kvx {

namespace {

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

// Other entries of the folder whose name equals name ignoring case, but not exactly.
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

void RemoveCaseVariants(const std::string& fullName) {
  RemoveVariants(CaseVariants(fullName));
}

// Opens an existing regular file for reading. Anything else is refused before it is
// opened (opening a device may do something), then the file is opened without waiting (a
// named pipe would otherwise wait for a writer) and checked again, so that what is
// checked is what is read.
int OpenRegular(const std::string& fullName, struct stat& st) {
  // The exact name is tried first: only a name missing as spelt needs the folder's names.
  std::string path = fullName;
  struct stat before {};
  int found = ::stat(path.c_str(), &before);
  if (found != 0 && errno == ENOENT) {
    path = Resolve(fullName);
    if (path != fullName) found = ::stat(path.c_str(), &before);
  }
  if (found == 0 && !S_ISREG(before.st_mode) && !S_ISDIR(before.st_mode))
    Raise(kErrFileNotFound, "Not a regular file: " + fullName);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int e = errno;
    if (e == ENOENT || e == ENOTDIR || e == ELOOP)
      Raise(kErrFileNotFound, "Unable to find file: " + fullName);
    Raise(ErrnoToError(e), "Unable to open file: " + fullName);
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    ::close(fd);
    if (folder) Raise(kErrPermissionDenied, "Not a file: " + fullName);
    Raise(kErrFileNotFound, "Not a regular file: " + fullName);
  }
  // Reading a regular file never waits, so O_NONBLOCK may stay set.
  return fd;
}

std::mutex faultLock;
WriteFault fault;  // the test seam; empty in the programs

// The fault that applies to a write of fullName, if any.
std::optional<WriteFault> FaultFor(const std::string& fullName) {
  std::lock_guard<std::mutex> lock(faultLock);
  if (fault.error == 0) return std::nullopt;
  if (!fault.name.empty() && !Contains(UpperAscii(NameOf(fullName)), UpperAscii(fault.name)))
    return std::nullopt;
  return fault;
}

// Writes all of the pieces to fd, one after another; 0, or the errno value of the failure
// (the fault's too).
int WriteAll(int fd, const std::vector<std::string_view>& pieces,
             const std::optional<WriteFault>& failing) {
  std::size_t done = 0;
  for (std::string_view piece : pieces) {
    while (!piece.empty()) {
      std::size_t chunk = piece.size();
      if (failing) {
        if (done >= *failing->afterBytes) return failing->error;
        chunk = std::min(chunk, *failing->afterBytes - done);
      }
      const ssize_t n = ::write(fd, piece.data(), chunk);
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      piece.remove_prefix(static_cast<std::size_t>(n));
      done += static_cast<std::size_t>(n);
    }
  }
  return 0;
}

// The process's part of the names of its temporary files and folders.
const std::string& ProcessTag() {
  static const std::string tag = std::to_string(::getpid());
  return tag;
}

// Creates a new temporary file beside fullName, never through an existing name; its
// name goes to temp. Ordinary permissions (the umask applies), as for any file written.
int CreateTemporary(const std::string& fullName, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix = FolderOf(fullName) + ".kvx-" + ProcessTag() + "-";
  for (;;) {
    temp = prefix + std::to_string(counter.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
}

// The hidden name beside a file the program rewrites (a page, a work file) under which it
// keeps the copy that the last write replaced. The next write of the name writes over
// that copy and exchanges it for the file, so that a build neither makes nor removes a
// file: on ext4, making and removing the files of a build cost about as much as writing
// their bytes, and a name removed in the last half minute makes the next file slower to make.
std::string SpareName(const std::string& fullName) {
  return FolderOf(fullName) + ".kvx-spare-" + NameOf(fullName);
}

// A spare fit to keep: a plain file with no other name, which nothing else can see change.
bool FitSpare(const struct stat& st) {
  return S_ISREG(st.st_mode) && st.st_nlink == 1;
}

// The spare of a file opened to be written over, locked against another process writing
// the same name (the lock lasts until it is in place), and when longer than the `size`
// bytes to be written, cut to the whole pages they fill, so that writing them reads
// nothing back; its length goes to `length`; -1 when there is none fit to use. It must still be the
// file under the spare's name once locked. A named pipe or a socket under that name fails to open
// without waiting; what is not fit is removed by name (a linked file's other names stay); a spare
// in use is left alone.
int OpenSpare(const std::string& spare, std::optional<std::size_t> size, off_t& length) {
  const int fd = ::open(spare.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ELOOP || errno == ENXIO) ::unlink(spare.c_str());
    return -1;
  }
  struct stat st {
  }, named{};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 ||
      ::lstat(spare.c_str(), &named) != 0 || named.st_ino != st.st_ino ||
      named.st_dev != st.st_dev) {
    ::close(fd);
    return -1;
  }
  if (!FitSpare(st)) {
    ::unlink(spare.c_str());
    ::close(fd);
    return -1;
  }
  // A longer spare is cut; a shorter one is written over and on. Of a spare written before
  // its length is known, what the new bytes do not cover is cut when it is put in place.
  length = st.st_size;
  constexpr std::size_t kPage = 4096;
  if (size && st.st_size > static_cast<off_t>(*size)) {
    length = static_cast<off_t>(*size >= kPage ? *size & ~(kPage - 1) : *size);
    if (::ftruncate(fd, length) != 0) {
      ::close(fd);
      return -1;
    }
  }
  return fd;
}

// What the exchange put under the name `aside`, the entry that held the file's name: kept as
// the file's spare when fit (spare not empty), else removed. A folder is put back and
// refused. 0, or the errno value of the failure.
int SetAside(const std::string& aside, const std::string& fullName, const std::string& spare) {
  struct stat st {};
  if (::lstat(aside.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    ::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, fullName.c_str(), RENAME_EXCHANGE);
    return EISDIR;
  }
  if (aside == spare && FitSpare(st)) return 0;
  if (aside != spare && !spare.empty() && FitSpare(st) &&
      ::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, spare.c_str(), RENAME_NOREPLACE) == 0) {
    NoteChange(spare, true);
    return 0;
  }
  if (::unlink(aside.c_str()) == 0 || errno == ENOENT) {
    if (aside == spare) NoteChange(spare, false);
    return 0;
  }
  const int e = errno;
  ::renameat2(AT_FDCWD, aside.c_str(), AT_FDCWD, fullName.c_str(), RENAME_EXCHANGE);
  return e;
}

// Puts the written file `written` in the place of fullName. The two entries are exchanged
// when fullName exists, and the old one is set aside: a reader sees the old page or the
// new one, and the file system is not made to write the new file's data out at once, as
// renaming over an existing file does on some (ext4 does, to protect replaced files).
int PutInPlace(const std::string& written, const std::string& fullName, const std::string& spare) {
  if (::renameat2(AT_FDCWD, written.c_str(), AT_FDCWD, fullName.c_str(), RENAME_EXCHANGE) == 0)
    return SetAside(written, fullName, spare);
  // Nothing to exchange with, or a file system that cannot exchange.
  if (std::rename(written.c_str(), fullName.c_str()) != 0) return errno;
  if (written == spare) NoteChange(spare, false);
  return 0;
}

void WriteReplacing(const std::string& fullName, const std::vector<std::string_view>& pieces,
                    bool durable) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  ReplacingFile file(fullName, durable, size);
  for (std::string_view piece : pieces) file.Append(piece);
  file.PutInPlace();
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& fullName, bool durable,
                             std::optional<std::size_t> size)
    : fullName_(fullName), durable_(durable) {
  const std::optional<WriteFault> failing = FaultFor(fullName);
  if (failing && !failing->afterBytes)
    Raise(ErrnoToError(failing->error), "Unable to write file: " + fullName);
  if (failing) failAfter_ = failing->afterBytes, failError_ = failing->error;
  variants_ = CaseVariants(fullName);
  spare_ = durable ? std::string() : SpareName(fullName);
  written_ = spare_;
  fd_ = durable ? -1 : OpenSpare(spare_, size, length_);
  reused_ = fd_ >= 0;
  if (!reused_) fd_ = CreateTemporary(fullName, written_);
  if (fd_ < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
}

ReplacingFile::~ReplacingFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  // A spare keeps what was written into it until the next write; a temporary file goes.
  if (!reused_) ::unlink(written_.c_str());
}

void ReplacingFile::Fail(int error) {
  ::close(fd_);
  fd_ = -1;
  if (!reused_) ::unlink(written_.c_str());
  Raise(ErrnoToError(error), "Unable to write file: " + fullName_);
}

void ReplacingFile::Append(std::string_view bytes) {
  if (fd_ < 0) Raise(kErrPermissionDenied, "Unable to write file: " + fullName_);
  std::optional<WriteFault> failing;
  if (failAfter_) failing = WriteFault{{}, *failAfter_ - std::min(*failAfter_, done_), failError_};
  if (const int error = WriteAll(fd_, {bytes}, failing)) Fail(error);
  done_ += bytes.size();
}

void ReplacingFile::PutInPlace() {
  if (fd_ < 0) Raise(kErrPermissionDenied, "Unable to write file: " + fullName_);
  int error = 0;
  if (reused_ && length_ > static_cast<off_t>(done_) &&
      ::ftruncate(fd_, static_cast<off_t>(done_)) != 0)
    error = errno;
  if (!error && durable_ && ::fsync(fd_) != 0) error = errno;
  // Closing reports a failed write on some file systems; a spare stays locked meanwhile
  // through a second descriptor.
  const int held = reused_ ? ::dup(fd_) : -1;
  if (!reused_ || held >= 0) {
    if (::close(fd_) != 0 && !error) error = errno;
    fd_ = -1;
  }
  if (!error) error = kvx::PutInPlace(written_, fullName_, spare_);
  if (fd_ >= 0) ::close(fd_);
  if (held >= 0) ::close(held);
  fd_ = -1;
  if (error) {
    if (!reused_) ::unlink(written_.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName_);
  }
  NoteChange(fullName_, true);
  RemoveVariants(variants_);
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

std::string ReadFileBytes(const std::string& fullName) {
  struct stat st {};
  const int fd = OpenRegular(fullName, st);
  std::string bytes;
  int error = 0;
  try {
    // Sized from the file, one byte more, so that a short read shows the end without
    // another call; a file that grew meanwhile is read on to its end.
    std::size_t want = static_cast<std::size_t>(st.st_size) + 1;
    for (;;) {
      const std::size_t have = bytes.size();
      bytes.resize(have + want);
      const ssize_t n = ::read(fd, bytes.data() + have, want);
      if (n < 0 && errno == EINTR) {
        bytes.resize(have);
        continue;
      }
      bytes.resize(have + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
      if (n < 0) error = errno;
      if (n < static_cast<ssize_t>(want)) break;
      want = 65536;
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
  if (error) Raise(kErrDiskMedia, "Unable to read file: " + fullName);
  return bytes;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text, start, stop - start);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> ReadLines(const std::string& fullName) {
  return SplitLines(ReadFileBytes(fullName));
}

std::string ReadFirstLine(const std::string& fullName) {
  LineReader reader(fullName);
  return reader.Next();
}

LineReader::LineReader(const std::string& fullName) : name_(fullName) {
  struct stat st {};
  const int fd = OpenRegular(fullName, st);
  in_ = ::fdopen(fd, "rb");
  if (!in_) {
    ::close(fd);
    Raise(kErrPermissionDenied, "Unable to open file: " + fullName);
  }
}

LineReader::~LineReader() {
  std::fclose(in_);
}

bool LineReader::AtEnd() {
  const int c = std::getc(in_);
  if (c == EOF) return true;
  std::ungetc(c, in_);
  return false;
}

std::string LineReader::Next() {
  if (AtEnd()) Raise(kErrInputPastEnd, "Reading file: " + name_);
  std::string line;
  for (int c; (c = std::getc(in_)) != EOF && c != '\n';) line += static_cast<char>(c);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void WriteFileAtomic(const std::string& fullName, const std::string& bytes) {
  WriteReplacing(fullName, {bytes}, true);
}

void WriteFile(const std::string& fullName, const std::string& bytes) {
  WriteReplacing(fullName, {bytes}, false);
}

void WriteFile(const std::string& fullName, const std::vector<std::string_view>& pieces) {
  WriteReplacing(fullName, pieces, false);
}

void DeleteIfExists(const std::string& fullName) {
  const std::string path = Resolve(fullName);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return;
  if (!fs::remove(path, ec) || ec)
    Raise(ec ? ErrnoToError(ec.value()) : kErrPermissionDenied, "Unable to delete: " + fullName);
}

void CopyFile(const std::string& from, const std::string& to) {
  WriteFile(to, ReadFileBytes(from));
}

void RenameFile(const std::string& from, const std::string& to) {
  const std::string source = Resolve(from);
  std::error_code ec;
  if (!fs::exists(source, ec)) Raise(kErrFileNotFound, "Unable to find file: " + from);
  if (std::rename(source.c_str(), to.c_str()) != 0)
    Raise(ErrnoToError(errno), "Unable to rename " + from + " to " + to);
  if (source != to) RemoveCaseVariants(to);
}

void WriteNewFile(const std::string& fullName, const std::vector<std::string_view>& pieces) {
  const std::optional<WriteFault> failing = FaultFor(fullName);
  if (failing && !failing->afterBytes)
    Raise(ErrnoToError(failing->error), "Unable to write file: " + fullName);
  const int fd = ::open(fullName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  int error = WriteAll(fd, pieces, failing);
  if (::close(fd) != 0 && !error) error = errno;
  if (error) {
    ::unlink(fullName.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName);
  }
}

void WriteNewFile(const std::string& fullName, const std::string& bytes) {
  WriteNewFile(fullName, std::vector<std::string_view>{bytes});
}

void LinkOrCopyFile(const std::string& from, const std::string& to) {
  if (FaultFor(to)) return WriteNewFile(to, ReadFileBytes(from));
  if (::link(from.c_str(), to.c_str()) == 0) return;
  // Another file system, or one without links: a copy of its own.
  if (errno == EEXIST) Raise(kErrPermissionDenied, "Unable to write file: " + to);
  WriteNewFile(to, ReadFileBytes(from));
}

std::string MakeWorkFolder(const std::string& folder, const std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string prefix = folder + ".kvx-" + name + "-" + ProcessTag() + "-";
  for (;;) {
    // An ordinary folder (the umask applies), as the pages in it are ordinary files.
    const std::string work = prefix + std::to_string(counter.fetch_add(1));
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
  std::string aside = FolderOf(target) + ".kvx-old-XXXXXX";
  if (!::mkdtemp(aside.data())) Raise(ErrnoToError(errno), "Unable to replace " + target);
  aside += "/old";
  if (std::rename(target.c_str(), aside.c_str()) != 0 ||
      std::rename(from.c_str(), target.c_str()) != 0) {
    const int e = errno;
    std::rename(aside.c_str(), target.c_str());
    Raise(ErrnoToError(e), "Unable to replace " + target);
  }
  // The new folder is in place; an old one that cannot be removed stays hidden aside.
  std::error_code ec;
  fs::remove_all(FolderOf(aside), ec);
}

void SetWriteFault(const WriteFault& f) {
  std::lock_guard<std::mutex> lock(faultLock);
  fault = f;
}

void CreateFolder(const std::string& fullName) {
  std::error_code ec;
  fs::create_directories(fullName, ec);
  if (ec) Raise(ErrnoToError(ec.value()), "Unable to create folder: " + fullName);
}

}  // namespace kvx
