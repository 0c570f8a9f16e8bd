#pragma once
// The worker thread of a high-resolution timer in thread mode: it sleeps for
// the interval, then has the timer tick (Tick), until it is stopped. No tick
// runs while the application is terminating. The worker never outlives its
// owner: freeing it stops the thread and waits for it.

#include <cstdint>
#include <functional>
#include <thread>

namespace kit {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TKitThreadedTimer {
 public:
  // tick runs on the worker thread; it returns false to end the thread.
  using Tick = std::function<bool()>;

  TKitThreadedTimer(std::uint32_t intervalMs, TThreadPriority priority, Tick tick);
  // Stops the thread and waits for it; from the worker's own tick it only
  // stops it.
  ~TKitThreadedTimer();
  TKitThreadedTimer(const TKitThreadedTimer&) = delete;
  TKitThreadedTimer& operator=(const TKitThreadedTimer&) = delete;

  std::uint32_t Interval() const { return interval_; }
  TThreadPriority Priority() const { return priority_; }

 private:
  std::uint32_t interval_;
  TThreadPriority priority_;
  std::jthread thread_;
};

}  // namespace kit
