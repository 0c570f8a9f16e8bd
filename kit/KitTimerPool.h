#pragma once
// Many timers on one window timer: every MinInterval milliseconds the pool
// ticks each enabled item whose interval (in ticks) divides the pool's tick
// counter. The window timer runs only while some item is enabled. A handler
// may remove items or free the pool.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "HiddenWindow.h"
#include "KitCustomComponent.h"

namespace kit {

class TKitTimerItem;

using TKitTimerInterval = std::uint16_t;
// Sender (the pool), the item's identifier and its counter.
using TKitTimerPoolEvent = std::function<void(QObject* sender, std::uint16_t ident, std::uint32_t counter)>;

class TKitTimerPool : public TKitCustomComponent {
 public:
  explicit TKitTimerPool(QObject* owner, TKitTimerInterval minInterval = 1000);
  ~TKitTimerPool() override;

  TKitTimerInterval MinInterval() const { return minInterval_; }
  // Takes effect only while loading or at design time; 0 is not taken.
  void SetMinInterval(TKitTimerInterval value);
  // For the items that have no event of their own.
  TKitTimerPoolEvent OnTimer;

  // The new item's index. A known identifier raises EListError, an interval
  // that is not a multiple of MinInterval EKitError.
  int AddItem(std::uint16_t ident, std::uint32_t interval, TNotifyEvent event);
  void RemoveItem(std::uint16_t ident);
  void ClearItems();
  int Count() const { return static_cast<int>(items_.size()); }
  // The number of enabled items.
  int ActiveCount() const;
  TKitTimerItem* FindItem(std::uint16_t ident) const;

  // Whether the window timer runs, the hidden window (0 before its first
  // use) and the tick counter.
  bool Active() const { return active_; }
  HWND Handle() const { return window_ ? window_->Handle() : 0; }
  std::uint32_t TickCounter() const { return tickCounter_; }

 private:
  friend class TKitTimerItem;
  // An item was enabled or disabled: the window timer follows.
  void ItemEnabledChanged();
  void UpdatePoolTimer(bool on);
  void WindowMessage(TMessage& message);
  void RunItems();

  static constexpr std::uintptr_t kTimerId = 1;
  TKitTimerInterval minInterval_;
  std::vector<std::unique_ptr<TKitTimerItem>> items_;
  std::unique_ptr<HiddenWindow> window_;
  bool active_ = false;
  bool inTick_ = false;
  bool updating_ = false;
  std::uint32_t tickCounter_ = 0;
};

}  // namespace kit
