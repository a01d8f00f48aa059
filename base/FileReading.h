#pragma once
// Reading files. Names are found ignoring letter case (FileNames.h). Only regular files are
// read: a named pipe, a socket or a device counts as missing, and is found out without
// opening it, so it can never hold the program up. Text files are read accepting CR LF or
// LF. Failures raise the run-time error numbers (53 not found, 62 input past end, 70
// permission denied).

#include <cstdio>
#include <string>
#include <vector>

namespace kvx {

// Reads a whole file as bytes. Raises 53 when missing or not a regular file, 70 when a
// folder or unreadable.
std::string ReadFileBytes(const std::string& fullName);

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

}  // namespace kvx
