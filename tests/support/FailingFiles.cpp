#include "tests/support/FailingFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

#include "base/Files.h"

namespace kvx::test {

FailingWrites::FailingWrites(const std::string& name, DiskFullAfter full) {
  SetWriteFault({name, full.bytes, ENOSPC});
}

FailingWrites::FailingWrites(const std::string& name, WritesDenied) {
  SetWriteFault({name, std::nullopt, EACCES});
}

FailingWrites::~FailingWrites() {
  SetWriteFault({});
}

void MakeFifo(const std::string& path) {
  if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path);
}

bool FinishesWithoutBlocking(const std::vector<std::string>& fifos,
                             const std::function<void()>& body, int seconds) {
  std::packaged_task<void()> task(body);
  std::future<void> done = task.get_future();
  std::thread runner(std::move(task));
  const bool inTime = done.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready;
  // A reader waiting on a pipe is released by a writer that opens and closes it.
  while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    for (const std::string& fifo : fifos) {
      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    }
  }
  runner.join();
  done.get();  // passes on what body threw
  return inTime;
}

}  // namespace kvx::test
