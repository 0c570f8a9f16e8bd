#include "KitTimerPool.h"

#include <QPointer>
#include <algorithm>
#include <limits>

#include "KitErrors.h"
#include "KitTimerItem.h"

namespace kit {

TKitTimerPool::TKitTimerPool(QObject* owner, TKitTimerInterval minInterval)
    : TKitCustomComponent(owner), minInterval_(minInterval == 0 ? 1 : minInterval) {}

TKitTimerPool::~TKitTimerPool() {
  window_.reset();
  items_.clear();
}

void TKitTimerPool::SetMinInterval(TKitTimerInterval value) {
  if ((IsLoading() || IsDesigning()) && value != 0) minInterval_ = value;
}

int TKitTimerPool::AddItem(std::uint16_t ident, std::uint32_t interval, TNotifyEvent event) {
  if (FindItem(ident) != nullptr) throw EListError(ListIndexMessage(ident));
  if (interval < minInterval_ || interval % minInterval_ != 0)
    throw EKitError("Interval not compatible with MinInterval property!");
  items_.push_back(std::make_unique<TKitTimerItem>(*this, ident));
  TKitTimerItem& item = *items_.back();
  item.SetInterval(interval);
  item.OnTimer = std::move(event);
  UpdatePoolTimer(true);
  return Count() - 1;
}

void TKitTimerPool::RemoveItem(std::uint16_t ident) {
  const auto found =
      std::find_if(items_.begin(), items_.end(), [ident](const auto& item) { return item->Ident() == ident; });
  if (found == items_.end()) return;
  const bool wasUpdating = updating_;
  updating_ = true;
  std::unique_ptr<TKitTimerItem> item = std::move(*found);
  items_.erase(found);
  item->SetEnabled(false);
  item.reset();
  updating_ = wasUpdating;
  if (items_.empty()) UpdatePoolTimer(false);
}

void TKitTimerPool::ClearItems() {
  while (!items_.empty()) RemoveItem(items_.back()->Ident());
}

int TKitTimerPool::ActiveCount() const {
  return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const auto& item) { return item->Enabled(); }));
}

TKitTimerItem* TKitTimerPool::FindItem(std::uint16_t ident) const {
  for (const auto& item : items_)
    if (item->Ident() == ident) return item.get();
  return nullptr;
}

void TKitTimerPool::ItemEnabledChanged() {
  const bool wanted = ActiveCount() > 0;
  if (wanted != active_) UpdatePoolTimer(wanted);
}

void TKitTimerPool::UpdatePoolTimer(bool on) {
  if (IsDesigning()) return;
  if (on && !window_) window_ = std::make_unique<HiddenWindow>([this](TMessage& message) { WindowMessage(message); });
  active_ = false;
  if (window_) window_->KillTimer(kTimerId);
  if (on && ActiveCount() > 0) {
    window_->SetTimer(kTimerId, minInterval_);
    tickCounter_ = 1;
    active_ = true;
  }
}

void TKitTimerPool::WindowMessage(TMessage& message) {
  if (message.Msg != WM_TIMER || message.WParam != kTimerId || inTick_) return;
  // A handler that raises leaves the flag set: the pool then ticks no more.
  const QPointer<TKitTimerPool> self(this);
  inTick_ = true;
  RunItems();
  if (self) inTick_ = false;
}

void TKitTimerPool::RunItems() {
  if (updating_) return;
  // Handlers may add or remove items, or free the pool: walk the identifiers
  // as they were and look each item up again before its tick.
  const QPointer<TKitTimerPool> self(this);
  std::vector<std::uint16_t> idents;
  idents.reserve(items_.size());
  for (const auto& item : items_) idents.push_back(item->Ident());
  for (std::uint16_t ident : idents) {
    TKitTimerItem* item = FindItem(ident);
    if (item != nullptr && item->Enabled() && tickCounter_ % item->Ticks() == 0) item->Tick();
    if (!self) return;
  }
  tickCounter_ = tickCounter_ == std::numeric_limits<std::uint32_t>::max() ? 0 : tickCounter_ + 1;
}

}  // namespace kit
