#include "base/Threads.h"

#include <cerrno>
#include <system_error>

#include <sched.h>

namespace kvx {

SideThread::SideThread(std::function<void()> body) : body_(std::move(body)) {
  pthread_attr_t attr;
  if (int e = ::pthread_attr_init(&attr); e != 0)
    throw std::system_error(e, std::generic_category());
  // Any core the process may use but this one.
  const int here = ::sched_getcpu();
  if (here >= 0 && here < CPU_SETSIZE && ::sched_getaffinity(0, sizeof allowed_, &allowed_) == 0 &&
      CPU_ISSET(here, &allowed_) && CPU_COUNT(&allowed_) > 1) {
    cpu_set_t others = allowed_;
    CPU_CLR(here, &others);
    pinned_ = ::pthread_attr_setaffinity_np(&attr, sizeof others, &others) == 0;
  }
  int e = ::pthread_create(&thread_, &attr, &SideThread::Start, this);
  if (e != 0 && pinned_) {
    // The other cores refused (a limit set meanwhile): any core will do.
    pinned_ = false;
    ::pthread_attr_destroy(&attr);
    ::pthread_attr_init(&attr);
    e = ::pthread_create(&thread_, &attr, &SideThread::Start, this);
  }
  ::pthread_attr_destroy(&attr);
  if (e != 0) throw std::system_error(e, std::generic_category());
  running_ = true;
}

SideThread::~SideThread() {
  Join();
}

void SideThread::Join() {
  if (!running_) return;
  ::pthread_join(thread_, nullptr);
  running_ = false;
}

void* SideThread::Start(void* self) {
  auto* thread = static_cast<SideThread*>(self);
  if (thread->pinned_) ::sched_setaffinity(0, sizeof thread->allowed_, &thread->allowed_);
  thread->body_();
  return nullptr;
}

}  // namespace kvx
