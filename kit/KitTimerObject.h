#pragma once
// A small timer object: on a Qt timer of its own, or as an item of the
// application object's timer pool (whose intervals are multiples of the
// pool's minimum interval, 50 ms). Its event's sender is the timer object.
// A handler that raises is reported and stops the timer.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>

#include "KitEvents.h"

namespace kit {

class TKitTimer : public QObject {
 public:
  // Makes the underlying timer at once; a pool without a free slot raises
  // EOutOfResources "Not enough timers available".
  TKitTimer(std::uint16_t interval, bool globalPool, bool enabled, TNotifyEvent event);
  ~TKitTimer() override;

  std::uint16_t Ident() const { return ident_; }
  bool GlobalPool() const { return globalPool_; }
  bool Enabled() const { return enabled_; }
  void SetTimerEnabled(bool value);
  std::uint16_t Interval() const { return interval_; }
  // A pool timer's item ignores a value that is not a multiple of the pool's
  // minimum interval.
  void SetTimerInterval(std::uint16_t value);

  TNotifyEvent OnTimer;

 private:
  void CreateTimer();
  void ReleaseTimer();
  void Fire();
  void ApplyToQtTimer();

  std::uint16_t ident_ = 0;
  bool globalPool_;
  bool enabled_;
  std::uint16_t interval_;
  std::unique_ptr<QTimer> timer_;
};

}  // namespace kit
