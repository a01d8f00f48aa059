#include "base/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>

#include <fcntl.h>
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

// Other entries of the folder whose name equals name ignoring case, but not exactly.
std::vector<fs::path> CaseVariants(const std::string& fullName) {
  std::vector<fs::path> found;
  const std::string folder = FolderOf(fullName);
  const std::string name = NameOf(fullName);
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string other = it->path().filename().string();
    if (other != name && EqualsIgnoreCase(other, name)) found.push_back(it->path());
  }
  return found;
}

void RemoveCaseVariants(const std::string& fullName) {
  for (const fs::path& p : CaseVariants(fullName)) {
    std::error_code ec;
    // The link itself goes, as the file it stands for would; what it points to stays.
    const fs::file_status st = fs::symlink_status(p, ec);
    if (fs::is_regular_file(st) || fs::is_symlink(st)) fs::remove(p, ec);
  }
}

// Opens an existing regular file for reading. Anything else is refused before it is
// opened (opening a device may do something), then the file is opened without waiting (a
// named pipe would otherwise wait for a writer) and checked again, so that what is
// checked is what is read.
int OpenRegular(const std::string& fullName) {
  const std::string path = Resolve(fullName);
  struct stat before {};
  if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode) && !S_ISDIR(before.st_mode))
    Raise(kErrFileNotFound, "Not a regular file: " + fullName);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int e = errno;
    if (e == ENOENT || e == ENOTDIR || e == ELOOP)
      Raise(kErrFileNotFound, "Unable to find file: " + fullName);
    Raise(ErrnoToError(e), "Unable to open file: " + fullName);
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const bool folder = S_ISDIR(st.st_mode);
    ::close(fd);
    if (folder) Raise(kErrPermissionDenied, "Not a file: " + fullName);
    Raise(kErrFileNotFound, "Not a regular file: " + fullName);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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

// Writes bytes to a temporary file beside fullName and renames it over fullName. The
// temporary file is created new (never through an existing name), and the rename
// replaces whatever entry held the name, a symbolic link included.
void WriteReplacing(const std::string& fullName, const std::string& bytes, bool durable) {
  const std::optional<WriteFault> failing = FaultFor(fullName);
  if (failing && !failing->afterBytes)
    Raise(ErrnoToError(failing->error), "Unable to write file: " + fullName);
  std::string temp = FolderOf(fullName) + ".kvx-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  std::size_t done = 0;
  int error = 0;
  while (done < bytes.size()) {
    std::size_t chunk = bytes.size() - done;
    if (failing) {
      if (done >= *failing->afterBytes) {
        error = failing->error;
        break;
      }
      chunk = std::min(chunk, *failing->afterBytes - done);
    }
    const ssize_t n = ::write(fd, bytes.data() + done, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (!error && durable && ::fsync(fd) != 0) error = errno;
  ::fchmod(fd, 0644);  // mkstemp makes the file private; pages and data sets are ordinary files
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && std::rename(temp.c_str(), fullName.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temp.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName);
  }
  RemoveCaseVariants(fullName);
}

}  // namespace

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
  const std::vector<fs::path> variants = CaseVariants(fullName);
  if (variants.empty()) return fullName;
  // The directory order is arbitrary; take the smallest name so the choice is stable.
  fs::path best = variants.front();
  for (const fs::path& p : variants)
    if (p.filename().string() < best.filename().string()) best = p;
  return best.string();
}

bool Exist(const std::string& fullName) {
  std::error_code ec;
  const fs::file_status st = fs::status(Resolve(fullName), ec);  // stat never waits
  return fs::is_regular_file(st) || fs::is_directory(st);
}

std::string ReadFileBytes(const std::string& fullName) {
  const int fd = OpenRegular(fullName);
  std::string bytes;
  char buffer[65536];
  int error = 0;
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    try {
      bytes.append(buffer, static_cast<std::size_t>(n));
    } catch (...) {
      ::close(fd);
      throw;
    }
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
  const int fd = OpenRegular(fullName);
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
  WriteReplacing(fullName, bytes, true);
}

void WriteFile(const std::string& fullName, const std::string& bytes) {
  WriteReplacing(fullName, bytes, false);
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
