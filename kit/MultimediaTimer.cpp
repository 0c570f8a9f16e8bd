#include "MultimediaTimer.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include "KitErrors.h"

namespace kit {

namespace {

std::uint32_t NextEventId() {
  static std::atomic<std::uint32_t> last = 0;
  std::uint32_t id = ++last;
  if (id == 0) id = ++last;
  return id;
}

}  // namespace

TimeCaps TimeGetDevCaps() { return {}; }

MultimediaEvent::MultimediaEvent(std::uint32_t periodMs, Tick tick)
    : id_(NextEventId()), period_(periodMs == 0 ? 1 : periodMs), tick_(std::move(tick)) {
  try {
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  } catch (const std::system_error&) {
    throw EOutOfResources(SNotEnoughTimers);
  }
}

MultimediaEvent::~MultimediaEvent() {
  thread_.request_stop();
  wake_.notify_all();
}

void MultimediaEvent::Run(std::stop_token stop) {
  using Clock = std::chrono::steady_clock;
  const auto period = std::chrono::milliseconds(period_);
  auto next = Clock::now() + period;
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    if (wake_.wait_until(lock, stop, next, [] { return false; }) || stop.stop_requested()) break;
    lock.unlock();
    tick_(id_);
    lock.lock();
    next += period;
    // A tick that ran late does not make the next ones crowd in.
    if (const auto now = Clock::now(); next < now) next = now + period;
  }
}

}  // namespace kit
