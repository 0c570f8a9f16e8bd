#pragma once
// The high-resolution timer component: it ticks on a multimedia event (whose
// thread posts each tick to a hidden window, so the event runs on the GUI
// thread) or, with UseThread, on a worker thread that either hands each tick
// to the GUI thread (Synchronize) or runs the event itself.
//
// A tick that comes while the previous one still runs is skipped; a handler
// that raises is reported and the timer ticks no more. A worker's ticks that
// are still on their way when the timer restarts or goes are dropped.
// In the worker's own thread (Synchronize off) the handler must not change
// the timer's properties or free it.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "HiddenWindow.h"
#include "KitCustomComponent.h"
#include "KitThreadedTimer.h"
#include "MultimediaTimer.h"

namespace kit {

class TKitHiTimer : public TKitCustomComponent {
 public:
  explicit TKitHiTimer(QObject* owner);
  ~TKitHiTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return interval_; }
  // Kept within the multimedia timer's range of periods.
  void SetInterval(std::uint32_t value);
  TNotifyEvent OnTimer() const;
  void SetOnTimer(TNotifyEvent event);
  bool Synchronize() const { return synchronize_; }
  void SetSynchronize(bool value) { synchronize_ = value; }
  bool UseThread() const { return useThread_; }
  void SetUseThread(bool value);
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value);

  // Fires OnTimer with this timer as sender.
  virtual void DoTimer();

  // What runs now: the worker, or the multimedia event's identifier (0: none)
  // with the hidden window its ticks go to.
  const TKitThreadedTimer* Worker() const { return worker_.get(); }
  std::uint32_t EventId() const { return eventId_; }
  HWND Handle() const { return window_ ? window_->Handle() : 0; }

 private:
  void RestartHiTimer();
  void WindowMessage(TMessage& message);
  // A tick on the worker thread; false ends the worker.
  bool WorkerTick(std::uint64_t generation);
  // A tick the worker handed to the GUI thread.
  void SynchronizedTick(std::uint64_t generation);
  // DoTimer unless a tick runs; leaves the flag set when the handler raises.
  void GuardedTick();

  std::atomic<bool> enabled_ = false;
  std::uint32_t interval_ = 1000;
  mutable std::mutex eventMutex_;  // OnTimer is read by a worker without Synchronize
  TNotifyEvent onTimer_;
  std::atomic<bool> synchronize_ = true;
  bool useThread_ = true;
  TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
  const TimeCaps caps_ = TimeGetDevCaps();

  std::unique_ptr<HiddenWindow> window_;
  std::unique_ptr<MultimediaEvent> event_;
  std::uint32_t eventId_ = 0;
  std::unique_ptr<TKitThreadedTimer> worker_;
  std::atomic<std::uint64_t> generation_ = 0;
  std::atomic<bool> handOverPending_ = false;
  bool inTick_ = false;
};

}  // namespace kit
