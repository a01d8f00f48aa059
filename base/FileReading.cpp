#include "base/FileReading.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "base/FileNames.h"
#include "base/Text.h"

namespace kvx {

namespace {

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

}  // namespace

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

}  // namespace kvx
