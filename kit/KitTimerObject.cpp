#include "KitTimerObject.h"

#include <QPointer>

#include "Application.h"
#include "KitClass.h"
#include "KitErrors.h"
#include "KitTimerItem.h"
#include "KitTimerPool.h"
#include "KitUnits.h"

namespace kit {

namespace {

// The interval raised to the next multiple of step; near the top of the
// range the largest multiple that fits.
std::uint16_t RoundUpToMultiple(std::uint16_t interval, std::uint16_t step) {
  const std::uint32_t rounded = (static_cast<std::uint32_t>(interval) + step - 1) / step * step;
  if (rounded <= 0xFFFF) return static_cast<std::uint16_t>(rounded);
  return static_cast<std::uint16_t>(0xFFFF / step * step);
}

}  // namespace

TKitTimer::TKitTimer(std::uint16_t interval, bool globalPool, bool enabled, TNotifyEvent event)
    : OnTimer(std::move(event)), globalPool_(globalPool), enabled_(enabled), interval_(interval) {
  CreateTimer();
}

TKitTimer::~TKitTimer() { ReleaseTimer(); }

void TKitTimer::CreateTimer() {
  ReleaseTimer();
  if (globalPool_) {
    TKitApplication& application = KitApplication();
    interval_ = RoundUpToMultiple(interval_, application.TimerPool().MinInterval());
    ident_ = application.AddPoolTimer(interval_, [this](QObject*) { Fire(); });
    if (ident_ == 0) throw EOutOfResources(SNotEnoughTimers);
    application.PoolItem(ident_)->SetEnabled(enabled_);
  } else {
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, this, [this] { Fire(); });
    ApplyToQtTimer();
  }
}

void TKitTimer::ReleaseTimer() {
  if (ident_ != 0) {
    // The pool went with the kit when the kit was finalised first.
    if (KitInitialized()) {
      TKitApplication& application = KitApplication();
      if (TKitTimerItem* item = application.PoolItem(ident_)) {
        item->SetEnabled(false);
        item->OnTimer = nullptr;
      }
      application.RemovePoolTimer(ident_);
    }
    ident_ = 0;
  }
  timer_.reset();
}

void TKitTimer::SetTimerEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (ident_ != 0) {
    if (TKitTimerItem* item = KitApplication().PoolItem(ident_)) item->SetEnabled(value);
  } else {
    ApplyToQtTimer();
  }
}

void TKitTimer::SetTimerInterval(std::uint16_t value) {
  if (value == interval_) return;
  interval_ = value;
  if (ident_ != 0) {
    if (TKitTimerItem* item = KitApplication().PoolItem(ident_)) item->SetInterval(value);
  } else {
    ApplyToQtTimer();
  }
}

void TKitTimer::ApplyToQtTimer() {
  if (!timer_) return;
  // As the class library's timer: no ticks with an interval of 0.
  if (enabled_ && interval_ > 0) {
    timer_->start(interval_);
  } else {
    timer_->stop();
  }
}

void TKitTimer::Fire() {
  if (!OnTimer) return;
  // The handler may free this timer: run a copy of the event.
  const TNotifyEvent event = OnTimer;
  if (globalPool_) {
    // What the handler raises goes to the pool, which stops then.
    event(this);
    return;
  }
  const QPointer<TKitTimer> self(this);
  bool failed = true;
  RunGuarded([&] {
    event(self.data());
    failed = false;
  });
  // A handler that raised would raise again on every tick.
  if (failed && self) SetTimerEnabled(false);
}

}  // namespace kit
