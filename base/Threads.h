#pragma once
// A second thread for a short job beside the calling one, started on another core where
// the process may use more than one. Left to itself, Linux often starts a new thread on
// the core of the thread that made it, and one of the two then waits for the other until
// the scheduler moves it, about a millisecond on our 2-core machines: as much as a fifth
// of a whole build. Once started, the thread may run on any core the process may use.

#include <functional>

#include <pthread.h>

namespace kvx {

class SideThread {
 public:
  // Starts body; raises std::system_error when no thread can be made, as std::thread does.
  explicit SideThread(std::function<void()> body);
  ~SideThread();  // waits for body to end
  SideThread(const SideThread&) = delete;
  SideThread& operator=(const SideThread&) = delete;

  // Waits for body to end; once only, later calls return at once.
  void Join();
  bool Joinable() const { return running_; }

 private:
  static void* Start(void* self);

  std::function<void()> body_;
  cpu_set_t allowed_{};  // the cores the process may use, given back once the thread runs
  bool pinned_ = false;
  pthread_t thread_{};
  bool running_ = false;
};

}  // namespace kvx
