#pragma once
// Writing files. Every write goes to a new temporary file in the target's folder (named
// as base/WorkNames.h says) that then takes the target's name by rename: a reader sees the
// whole old file or the whole new one, a symbolic link in the target's place is replaced,
// never followed out of the folder, and on any failure the temporary file is removed and
// the old file stays. A rewritten file keeps the permissions of the file it replaces; a
// new one gets the umask's. Text files are written with CR LF. Failures raise the
// run-time error numbers (53 not found, 70 permission denied, 61 disk full, 52 bad name).

#include <cstddef>
#include <optional>
#include <string>

namespace kvx {

// Writes a file as above and flushes it to the disk before it takes the name, so that a
// crash never leaves a truncated file: for data sets and session files.
void WriteFileAtomic(const std::string& fullName, const std::string& bytes);

// The same without waiting for the disk: pages and work files, which a build makes again.
void WriteFile(const std::string& fullName, const std::string& bytes);

// Writes a file that must not exist yet, straight under its name: for a folder made by
// MakeWorkFolder, which nothing else writes and no reader opens before it is in place, so
// no temporary name and no other letter case is needed. Raises on failure, leaving no file.
void WriteNewFile(const std::string& fullName, const std::string& bytes);

// Makes `to` (which must not exist) a hard link to `from`, so both are one copy on the
// disk; where the file system refuses, writes a copy as WriteNewFile does.
void LinkOrCopyFile(const std::string& from, const std::string& to);

// Deletes a file if it exists (letter case ignored). Raises 70 when it cannot.
void DeleteIfExists(const std::string& fullName);

// Copies a file over another, replacing it. Raises 53 when the source is missing.
void CopyFile(const std::string& from, const std::string& to);

// Renames a file. Raises 53 when the source is missing.
void RenameFile(const std::string& from, const std::string& to);

// Creates a folder and its parents if missing.
void CreateFolder(const std::string& fullName);

// A failing device for tests. While a fault is set, every write to a file whose name
// holds `name` (letter case ignored; every file when empty) fails with the errno value
// `error`: when creating the file if `afterBytes` is empty, else once that many bytes
// are written. tests/support/FailingFiles.h sets and clears it.
struct WriteFault {
  std::string name;
  std::optional<std::size_t> afterBytes;
  int error = 0;  // 0: no fault
};
void SetWriteFault(const WriteFault& fault);

}  // namespace kvx
