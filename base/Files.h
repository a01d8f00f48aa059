#pragma once
// Files as the program sees them: every name it reads is found in its folder ignoring
// letter case (an exact match wins); a file it writes gets the name as the program spells
// it, replacing a file whose name differs only in letter case. Text files are written
// with CR LF and read accepting CR LF or LF. Failures raise the run-time error numbers
// (53 not found, 62 input past end, 70 permission denied, 61 disk full, 52 bad name).

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

#include "base/Text.h"

namespace kvx {

// The path of an existing file or folder whose last component equals that of fullName
// ignoring ASCII letter case; fullName itself when nothing matches.
std::string Resolve(const std::string& fullName);

// True when a file or folder of that name exists (letter case ignored).
bool Exist(const std::string& fullName);

// A plain file name: not empty, no path separator, not "." or "..", no drive.
bool IsPlainFileName(const std::string& name);

// Reads a whole file as bytes. Raises 53 when missing, 70 when unreadable.
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
  explicit LineReader(const std::string& fullName);  // raises 53 or 70
  bool AtEnd();
  std::string Next();  // raises 62 past the end

 private:
  std::ifstream in_;
  std::string name_;
};

// Lines joined with CR LF after each.
std::string JoinLines(const std::vector<std::string>& lines);

// Writes bytes to a temporary file in the same folder and renames it over the target,
// so that a crash or a full disk never leaves a truncated file; on failure the old file
// stays and the error is raised.
void WriteFileAtomic(const std::string& fullName, const std::string& bytes);

// Writes bytes in place (work files whose loss costs nothing).
void WriteFile(const std::string& fullName, const std::string& bytes);

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

}  // namespace kvx
