#include "base/FolderLock.h"

#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kvx {

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds wait) {
  // The folder itself carries the lock: no lock file to leave behind or to be removed.
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return;
    }
    if (std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  busy_ = true;
  ::close(fd);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor lets go of the lock
}

}  // namespace kvx
