#pragma once
// Files as the program sees them: every name it reads is found in its folder ignoring
// letter case (an exact match wins); a file it writes gets the name as the program spells
// it, replacing a file whose name differs only in letter case. Text files are written
// with CR LF and read accepting CR LF or LF. Failures raise the run-time error numbers
// (53 not found, 62 input past end, 70 permission denied, 61 disk full, 52 bad name).
//
// Only regular files are read: a named pipe, a socket or a device in the folder counts as
// missing, and is found out without opening it, so it can never hold the program up.
// Every write goes to another file in the target's folder (a new temporary one, or the
// copy the last write replaced) that then takes the target's name: a reader sees the whole
// old file or the whole new one, and a symbolic link in the target's place is replaced,
// never followed out of the folder.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

#include "base/Text.h"

namespace kvx {

// The path of an existing file or folder whose last component equals that of fullName
// ignoring ASCII letter case; fullName itself when nothing matches.
std::string Resolve(const std::string& fullName);

// True when a regular file or a folder of that name exists (letter case ignored, links
// followed); a named pipe, socket or device does not count.
bool Exist(const std::string& fullName);

// A plain file name: not empty, no path separator, not "." or "..", no drive.
bool IsPlainFileName(const std::string& name);

// Reads a whole file as bytes. Raises 53 when missing or not a regular file, 70 when a
// folder or unreadable.
std::string ReadFileBytes(const std::string& fullName);

// Splits text into lines at LF, dropping one CR before each LF. A final line without
// a line end counts; an empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// All lines of a text file (letter case of the name ignored).
std::vector<std::string> ReadLines(const std::string& fullName);

// The first line of a text file; raises 62 when the file is empty.
std::string ReadFirstLine(const std::string& fullName);

// Reads a text file line by line, as the data-set and session readers do.
class LineReader {
 public:
  explicit LineReader(const std::string& fullName);  // raises 53 or 70, as ReadFileBytes
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  bool AtEnd();
  std::string Next();  // raises 62 past the end

 private:
  std::FILE* in_ = nullptr;
  std::string name_;
};

// Lines joined with CR LF after each.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes bytes to a temporary file in the same folder, flushes it to the disk and renames
// it over the target, so that a crash or a full disk never leaves a truncated file; on
// failure the old file stays and the error is raised. For data sets and session files.
void WriteFileAtomic(const std::string& fullName, const std::string& bytes);

// The same without waiting for the disk: pages and work files, which a build makes again.
// A kill or a full disk still leaves the whole old file. The file replaced is kept hidden
// beside it (".kvx-spare-" and the name), and the next write of the name writes over it.
void WriteFile(const std::string& fullName, const std::string& bytes);
// The same for a file made of pieces, written one after another.
void WriteFile(const std::string& fullName, const std::vector<std::string_view>& pieces);

// A file written piece by piece and put in its name's place whole at the end, as WriteFile
// (durable: WriteFileAtomic) puts one; until then the old file stays as it is. For a file
// written while other work goes on. size, when known, is the length it will have. Append
// and PutInPlace raise as WriteFile; one that is not put in place leaves the old file.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& fullName, bool durable = false,
                         std::optional<std::size_t> size = std::nullopt);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  void Append(std::string_view bytes);
  void PutInPlace();

 private:
  [[noreturn]] void Fail(int error);

  std::string fullName_, spare_, written_;
  std::vector<std::string> variants_;  // other letter cases of the name, removed once in place
  bool durable_ = false, reused_ = false;
  int fd_ = -1;
  off_t length_ = 0;  // of the spare written over, before
  std::size_t done_ = 0;
  std::optional<std::size_t> failAfter_;  // the test seam's fault, if any
  int failError_ = 0;
};

// Writes a file that must not exist yet, straight under its name: for a folder made by
// MakeWorkFolder, which nothing else writes and no reader opens before it is in place, so
// no temporary name and no other letter case is needed. Raises on failure, leaving no file.
void WriteNewFile(const std::string& fullName, const std::string& bytes);
void WriteNewFile(const std::string& fullName, const std::vector<std::string_view>& pieces);

// Makes `to` (which must not exist) a hard link to `from`, so both are one copy on the
// disk; where the file system refuses, writes a copy as WriteNewFile does.
void LinkOrCopyFile(const std::string& from, const std::string& to);

// Makes a new empty folder inside folder (ending in "/"), named from name and hidden by a
// leading dot; returns it, ending in "/".
std::string MakeWorkFolder(const std::string& folder, const std::string& name);

// Puts the folder work in the place of target (a full name without the final "/"): a
// reader sees the whole old folder or the whole new one. Whatever held the name (a
// folder, a file, a link; never what a link points to) is removed after (what cannot be
// removed stays in a hidden ".kvx-old-" folder beside it).
void ReplaceFolder(const std::string& work, const std::string& target);

// Removes a file or a folder with everything in it; links are removed, never followed.
void RemoveTree(const std::string& fullName);

// Deletes a file if it exists (letter case ignored). Raises 70 when it cannot.
void DeleteIfExists(const std::string& fullName);

// Copies a file over another, replacing it. Raises 53 when the source is missing.
void CopyFile(const std::string& from, const std::string& to);

// Renames a file. Raises 53 when the source is missing.
void RenameFile(const std::string& from, const std::string& to);

// Creates a folder and its parents if missing.
void CreateFolder(const std::string& fullName);

// The folder part of a full name, ending in "/"; the name part.
std::string FolderOf(const std::string& fullName);
std::string NameOf(const std::string& fullName);

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
