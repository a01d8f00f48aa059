#pragma once
// One build, print or data-set save in a folder at a time: a lock on the folder itself,
// held for the whole operation. The kernel lets go of it when the process ends, however
// it ends, so a lock left by a killed process never blocks.

#include <chrono>
#include <string>

namespace kvx {

class FolderLock {
 public:
  // Tries to take the lock on folder (ending in "/"), waiting up to `wait` for another
  // process to let go of it. Held() tells whether it was taken, Busy() whether another
  // process kept it. A folder that cannot be opened is neither (the operation's own access
  // to it then fails with a clear error).
  explicit FolderLock(const std::string& folder,
                      std::chrono::milliseconds wait = std::chrono::milliseconds(0));
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  bool Busy() const { return busy_; }

 private:
  int fd_ = -1;
  bool busy_ = false;
};

}  // namespace kvx
