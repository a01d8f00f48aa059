#include "base/Files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

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
    if (fs::is_regular_file(p, ec)) fs::remove(p, ec);
  }
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
  return fs::exists(Resolve(fullName), ec);
}

std::string ReadFileBytes(const std::string& fullName) {
  const std::string path = Resolve(fullName);
  std::error_code ec;
  if (!fs::exists(path, ec)) Raise(kErrFileNotFound, "Unable to find file: " + fullName);
  if (fs::is_directory(path, ec)) Raise(kErrPermissionDenied, "Not a file: " + fullName);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) Raise(ErrnoToError(errno), "Unable to open file: " + fullName);
  std::string bytes;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) Raise(kErrDiskMedia, "Unable to read file: " + fullName);
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
  const std::string path = Resolve(fullName);
  std::error_code ec;
  if (!fs::exists(path, ec)) Raise(kErrFileNotFound, "Unable to find file: " + fullName);
  if (fs::is_directory(path, ec)) Raise(kErrPermissionDenied, "Not a file: " + fullName);
  in_.open(path, std::ios::binary);
  if (!in_) Raise(kErrPermissionDenied, "Unable to open file: " + fullName);
}

bool LineReader::AtEnd() {
  return in_.peek() == std::char_traits<char>::eof();
}

std::string LineReader::Next() {
  if (AtEnd()) Raise(kErrInputPastEnd, "Reading file: " + name_);
  std::string line;
  std::getline(in_, line);
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
  const std::string folder = FolderOf(fullName);
  std::string temp = folder + ".kvx-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  std::size_t done = 0;
  int error = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (!error && ::fsync(fd) != 0) error = errno;
  ::fchmod(fd, 0644);  // mkstemp makes the file private; data sets are ordinary files
  if (::close(fd) != 0 && !error) error = errno;
  if (!error) {
    if (std::rename(temp.c_str(), fullName.c_str()) != 0) error = errno;
  }
  if (error) {
    ::unlink(temp.c_str());
    Raise(ErrnoToError(error), "Unable to write file: " + fullName);
  }
  RemoveCaseVariants(fullName);
}

void WriteFile(const std::string& fullName, const std::string& bytes) {
  RemoveCaseVariants(fullName);
  std::FILE* f = std::fopen(fullName.c_str(), "wb");
  if (!f) Raise(ErrnoToError(errno), "Unable to write file: " + fullName);
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int writeErrno = errno;
  if (std::fclose(f) != 0 || !ok)
    Raise(ok ? kErrDiskFull : ErrnoToError(writeErrno), "Unable to write file: " + fullName);
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

void CreateFolder(const std::string& fullName) {
  std::error_code ec;
  fs::create_directories(fullName, ec);
  if (ec) Raise(ErrnoToError(ec.value()), "Unable to create folder: " + fullName);
}

}  // namespace kvx
