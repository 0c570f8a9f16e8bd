#pragma once
// One timer of a timer pool: it ticks every Ticks() ticks of the pool, counts
// its calls and stops itself after CallCount of them (-1: never).

#include <cstdint>

#include "KitEvents.h"

namespace kit {

class TKitTimerPool;

class TKitTimerItem {
 public:
  TKitTimerItem(TKitTimerPool& pool, std::uint16_t ident);
  TKitTimerItem(const TKitTimerItem&) = delete;
  TKitTimerItem& operator=(const TKitTimerItem&) = delete;

  TKitTimerPool& Pool() const { return pool_; }
  std::uint16_t Ident() const { return ident_; }
  std::uint32_t Counter() const { return counter_; }
  // The calls after which the item disables itself; -1 for no limit, and 0
  // keeps it from being enabled.
  int CallCount = -1;

  bool Enabled() const { return enabled_; }
  // A new state resets the counter; enabling is refused while CallCount is 0.
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return interval_; }
  // Takes a different multiple of the pool's minimum interval, resetting the
  // counter; ignores other values.
  void SetInterval(std::uint32_t value);
  // The interval in ticks of the pool.
  std::uint32_t Ticks() const { return ticks_; }

  // Sender: the pool.
  TNotifyEvent OnTimer;

  // One tick of the item: counts it, disables the item after its last call,
  // then runs its event or, without one, the pool's.
  void Tick();

 private:
  TKitTimerPool& pool_;
  std::uint16_t ident_;
  std::uint32_t counter_ = 0;
  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
  std::uint32_t ticks_;
};

}  // namespace kit
