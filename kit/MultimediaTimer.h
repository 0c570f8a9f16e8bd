#pragma once
// The high-resolution periodic timer the kit's timers stand on: an event calls
// its tick every period on a thread of its own (not the GUI thread), with the
// event's identifier, until the event is freed.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace kit {

// The range of periods an event takes, in milliseconds.
struct TimeCaps {
  std::uint32_t PeriodMin = 1;
  std::uint32_t PeriodMax = 1000000;
};
TimeCaps TimeGetDevCaps();

class MultimediaEvent {
 public:
  using Tick = std::function<void(std::uint32_t id)>;

  // Raises EOutOfResources when no thread can be started.
  MultimediaEvent(std::uint32_t periodMs, Tick tick);
  // Stops the event and waits for a tick that is running; not from the tick.
  ~MultimediaEvent();
  MultimediaEvent(const MultimediaEvent&) = delete;
  MultimediaEvent& operator=(const MultimediaEvent&) = delete;

  std::uint32_t Id() const { return id_; }

 private:
  void Run(std::stop_token stop);

  std::uint32_t id_;
  std::uint32_t period_;
  Tick tick_;
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::jthread thread_;
};

}  // namespace kit
