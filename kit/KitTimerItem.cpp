#include "KitTimerItem.h"

#include <algorithm>
#include <limits>

#include "KitTimerPool.h"

namespace kit {

TKitTimerItem::TKitTimerItem(TKitTimerPool& pool, std::uint16_t ident)
    : pool_(pool), ident_(ident), ticks_(std::max<std::uint32_t>(1, interval_ / pool.MinInterval())) {}

void TKitTimerItem::SetEnabled(bool value) {
  if (value == enabled_ || (value && CallCount == 0)) return;
  enabled_ = value;
  counter_ = 0;
  pool_.ItemEnabledChanged();
}

void TKitTimerItem::SetInterval(std::uint32_t value) {
  const std::uint32_t minimum = pool_.MinInterval();
  if (value == interval_ || value % minimum != 0) return;
  interval_ = value;
  ticks_ = std::max<std::uint32_t>(1, value / minimum);
  counter_ = 0;
}

void TKitTimerItem::Tick() {
  if (!enabled_) return;
  counter_ = counter_ == std::numeric_limits<std::uint32_t>::max() ? 0 : counter_ + 1;
  // The event is told the number of this call, also when it was the last one
  // and disabling the item has reset the counter.
  const std::uint32_t call = counter_;
  if (CallCount >= 0 && call == static_cast<std::uint32_t>(CallCount)) SetEnabled(false);
  // The event may free this item: run a copy and touch nothing afterwards.
  if (OnTimer) {
    const TNotifyEvent event = OnTimer;
    event(&pool_);
  } else if (pool_.OnTimer) {
    const TKitTimerPoolEvent event = pool_.OnTimer;
    event(&pool_, ident_, call);
  }
}

}  // namespace kit
