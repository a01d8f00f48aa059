#include <gtest/gtest.h>

#include <atomic>

#include <pthread.h>
#include <sched.h>

#include "base/Threads.h"

namespace kvx {
namespace {

// The cores the calling thread may use.
cpu_set_t Allowed() {
  cpu_set_t set;
  CPU_ZERO(&set);
  EXPECT_EQ(0, ::sched_getaffinity(0, sizeof set, &set));
  return set;
}

TEST(SideThread, RunsItsJobAnywhereOnceStartedAndIsWaitedFor) {
  const cpu_set_t all = Allowed();
  std::atomic<bool> done{false};
  cpu_set_t seen;
  CPU_ZERO(&seen);
  {
    SideThread side([&] {
      seen = Allowed();
      done = true;
    });
    EXPECT_TRUE(side.Joinable());
    side.Join();
    EXPECT_FALSE(side.Joinable());
    side.Join();  // once only
  }
  EXPECT_TRUE(done);
  // Started away from this core, the thread is given back every core the process may use.
  EXPECT_TRUE(CPU_EQUAL(&all, &seen));

  // On one core there is nowhere else to start: it starts there, and the destructor waits.
  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(::sched_getcpu(), &one);
  ASSERT_EQ(0, ::sched_setaffinity(0, sizeof one, &one));
  cpu_set_t seenOnOne;
  CPU_ZERO(&seenOnOne);
  {
    SideThread side([&] { seenOnOne = Allowed(); });
  }
  EXPECT_TRUE(CPU_EQUAL(&one, &seenOnOne));
  ASSERT_EQ(0, ::sched_setaffinity(0, sizeof all, &all));
}

}  // namespace
}  // namespace kvx
