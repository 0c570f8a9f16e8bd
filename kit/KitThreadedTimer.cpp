#include "KitThreadedTimer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>

#include "Application.h"
#include "KitErrors.h"

namespace kit {

namespace {

// The thread's nice value: lower priorities are nicer. Raising above normal
// needs privileges the program usually lacks, and is then left alone.
int NiceValue(TThreadPriority priority) {
  switch (priority) {
    case TThreadPriority::tpIdle:
      return 19;
    case TThreadPriority::tpLowest:
      return 10;
    case TThreadPriority::tpLower:
      return 5;
    case TThreadPriority::tpNormal:
      return 0;
    case TThreadPriority::tpHigher:
      return -5;
    case TThreadPriority::tpHighest:
      return -10;
    case TThreadPriority::tpTimeCritical:
      return -20;
  }
  return 0;
}

// Everything the thread uses is its own: a tick may free the timer object.
void Execute(std::stop_token stop, std::uint32_t intervalMs, TThreadPriority priority,
             const TKitThreadedTimer::Tick& tick) {
  if (priority != TThreadPriority::tpNormal) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), NiceValue(priority));
  std::mutex mutex;
  std::condition_variable_any wake;
  std::unique_lock lock(mutex);
  while (!stop.stop_requested()) {
    wake.wait_for(lock, stop, std::chrono::milliseconds(intervalMs), [] { return false; });
    if (stop.stop_requested()) break;
    if (ApplicationTerminating()) continue;
    if (!tick()) break;
  }
}

}  // namespace

TKitThreadedTimer::TKitThreadedTimer(std::uint32_t intervalMs, TThreadPriority priority, Tick tick)
    : interval_(intervalMs), priority_(priority) {
  try {
    thread_ = std::jthread(
        [intervalMs, priority, tick = std::move(tick)](std::stop_token stop) { Execute(stop, intervalMs, priority, tick); });
  } catch (const std::system_error&) {
    throw EOutOfResources(SNotEnoughTimers);
  }
}

TKitThreadedTimer::~TKitThreadedTimer() {
  thread_.request_stop();
  if (thread_.get_id() == std::this_thread::get_id()) thread_.detach();
}

}  // namespace kit
