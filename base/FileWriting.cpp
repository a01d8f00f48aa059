#include "base/FileWriting.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "base/FileNames.h"
#include "base/FileReading.h"
#include "base/Text.h"
#include "base/WorkNames.h"

namespace fs = std::filesystem;

namespace kvx {

namespace {

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

// Writes all of bytes to fd; 0, or the errno value of the failure (the fault's too).
int WriteAll(int fd, std::string_view bytes, const std::optional<WriteFault>& failing) {
  std::size_t done = 0;
  while (!bytes.empty()) {
    std::size_t chunk = bytes.size();
    if (failing && failing->afterBytes) {
      if (done >= *failing->afterBytes) return failing->error;
      chunk = std::min(chunk, *failing->afterBytes - done);
    }
    const ssize_t n = ::write(fd, bytes.data(), chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// A new file under fullName that must not exist, never through an existing name or link.
// Ordinary permissions: the umask applies.
int CreateNew(const std::string& fullName) {
  return ::open(fullName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
}

// Gives the written file temp the name fullName; 0, or the errno value of the failure. An
// existing file is exchanged with it and then removed, rather than renamed over: ext4
// writes a file renamed over another out to the disk at once, which made a build of
// small pages wait on the disk for each. A folder in the name's place is put back and
// refused.
int PutInPlace(const std::string& temp, const std::string& fullName) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, fullName.c_str(), RENAME_EXCHANGE) == 0) {
    struct stat old {};
    if (::lstat(temp.c_str(), &old) == 0 && S_ISDIR(old.st_mode)) {
      ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, fullName.c_str(), RENAME_EXCHANGE);
      return EISDIR;
    }
    ::unlink(temp.c_str());  // the old file; a reader that has it open keeps it
    return 0;
  }
  // Nothing to exchange with, or a file system that cannot exchange.
  return std::rename(temp.c_str(), fullName.c_str()) == 0 ? 0 : errno;
}

void Write(const std::string& fullName, const std::string& bytes, bool durable) {
  const std::optional<WriteFault> failing = FaultFor(fullName);
  if (failing && !failing->afterBytes)
    Raise(ErrnoToError(failing->error), "Unable to write file: " + fullName);
  const std::vector<std::string> variants = CaseVariants(fullName);
  std::string temp;
  int fd = -1;
  do {
    temp = FolderOf(fullName) + WorkName();
    fd = CreateNew(temp);
  } while (fd < 0 && errno == EEXIST);
  if (fd < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  // A rewritten file keeps its permissions (a data set kept private stays private).
  struct stat old {};
  int error = 0;
  if (::lstat(fullName.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(fd, old.st_mode & 0777) != 0)
    error = errno;
  if (!error) error = WriteAll(fd, bytes, failing);
  if (!error && durable && ::fsync(fd) != 0) error = errno;
  // Closing reports a failed write on some file systems.
  if (::close(fd) != 0 && !error) error = errno;
  if (!error) error = PutInPlace(temp, fullName);
  if (error) {
    ::unlink(temp.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName);
  }
  NoteChange(fullName, true);
  RemoveVariants(variants);
}

}  // namespace

void WriteFileAtomic(const std::string& fullName, const std::string& bytes) {
  Write(fullName, bytes, true);
}

void WriteFile(const std::string& fullName, const std::string& bytes) {
  Write(fullName, bytes, false);
}

void WriteNewFile(const std::string& fullName, const std::string& bytes) {
  const std::optional<WriteFault> failing = FaultFor(fullName);
  if (failing && !failing->afterBytes)
    Raise(ErrnoToError(failing->error), "Unable to write file: " + fullName);
  const int fd = CreateNew(fullName);
  if (fd < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  int error = WriteAll(fd, bytes, failing);
  if (::close(fd) != 0 && !error) error = errno;
  if (error) {
    ::unlink(fullName.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName);
  }
}

void LinkOrCopyFile(const std::string& from, const std::string& to) {
  if (FaultFor(to)) return WriteNewFile(to, ReadFileBytes(from));
  if (::link(from.c_str(), to.c_str()) == 0) return;
  // Another file system, or one without links: a copy of its own.
  if (errno == EEXIST) Raise(kErrPermissionDenied, "Unable to write file: " + to);
  WriteNewFile(to, ReadFileBytes(from));
}

void DeleteIfExists(const std::string& fullName) {
  const std::string path = Resolve(fullName);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return;
  if (!fs::remove(path, ec) || ec)
    Raise(ec ? ErrnoToError(ec.value()) : kErrPermissionDenied, "Unable to delete: " + fullName);
  NoteChange(path, false);
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
  NoteChange(source, false);
  NoteChange(to, true);
  if (source != to) {
    std::vector<std::string> variants = CaseVariants(to);
    RemoveVariants(variants);
  }
}

void CreateFolder(const std::string& fullName) {
  std::error_code ec;
  fs::create_directories(fullName, ec);
  if (ec) Raise(ErrnoToError(ec.value()), "Unable to create folder: " + fullName);
}

void SetWriteFault(const WriteFault& f) {
  std::lock_guard<std::mutex> lock(faultLock);
  fault = f;
}

}  // namespace kvx
