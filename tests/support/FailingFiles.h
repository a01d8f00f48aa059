#pragma once
// Hostile files for tests: a failing device (writes that fail after some bytes, as on a
// full disk, or at once, as in a read-only folder) and named pipes, with a guard that
// fails a test instead of hanging it when something waits on a pipe.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kvx::test {

struct DiskFullAfter {
  std::size_t bytes;  // written before the disk is full (error 61)
};
struct WritesDenied {};  // the file cannot be created (error 70)

// While it lives, writes to every file whose name holds name (letter case ignored; every
// file when empty) fail as given.
class FailingWrites {
 public:
  FailingWrites(const std::string& name, DiskFullAfter full);
  FailingWrites(const std::string& name, WritesDenied denied);
  ~FailingWrites();
  FailingWrites(const FailingWrites&) = delete;
  FailingWrites& operator=(const FailingWrites&) = delete;
};

// Makes a named pipe at path.
void MakeFifo(const std::string& path);

// Runs body on a thread of its own. True when it returned within the time given; else
// the pipes named are opened for writing, which releases a reader waiting on them, and
// the result is false once body has returned.
bool FinishesWithoutBlocking(const std::vector<std::string>& fifos,
                             const std::function<void()>& body, int seconds = 10);

}  // namespace kvx::test
