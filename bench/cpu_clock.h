// The time this thread spent on the processor, as a std::chrono clock: on a
// machine shared with other work, wall time measures the neighbours too.
// Windows builds fall back to the steady clock.
#pragma once

#include <chrono>
#include <ctime>

namespace tq::bench {

struct CpuClock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<CpuClock>;
  static constexpr bool is_steady = true;
  static time_point now() noexcept {
#if defined(CLOCK_THREAD_CPUTIME_ID) && !defined(_WIN32)
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return time_point(duration(static_cast<rep>(ts.tv_sec) * 1000000000 + ts.tv_nsec));
#else
    return time_point(std::chrono::duration_cast<duration>(std::chrono::steady_clock::now().time_since_epoch()));
#endif
  }
};

}  // namespace tq::bench
