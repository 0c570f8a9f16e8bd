#include "KitTimer.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <string>

#include "Application.h"
#include "KitErrors.h"

namespace kit {

TKitHiTimer::TKitHiTimer(QObject* owner) : TKitCustomComponent(owner) {}

TKitHiTimer::~TKitHiTimer() {
  SetOnTimer(nullptr);
  event_.reset();
  window_.reset();
}

void TKitHiTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  RestartHiTimer();
}

void TKitHiTimer::SetInterval(std::uint32_t value) {
  if (value == interval_) return;
  interval_ = std::clamp(value, caps_.PeriodMin, caps_.PeriodMax);
  RestartHiTimer();
}

TNotifyEvent TKitHiTimer::OnTimer() const {
  std::lock_guard lock(eventMutex_);
  return onTimer_;
}

void TKitHiTimer::SetOnTimer(TNotifyEvent event) {
  {
    std::lock_guard lock(eventMutex_);
    onTimer_ = std::move(event);
  }
  RestartHiTimer();
}

void TKitHiTimer::SetUseThread(bool value) {
  if (value == useThread_) return;
  useThread_ = value;
  RestartHiTimer();
}

void TKitHiTimer::SetThreadPriority(TThreadPriority value) {
  if (value == threadPriority_) return;
  threadPriority_ = value;
  if (useThread_) RestartHiTimer();
}

void TKitHiTimer::DoTimer() {
  if (const TNotifyEvent event = OnTimer()) event(this);
}

void TKitHiTimer::RestartHiTimer() {
  if (IsDesigning()) return;
  // The old worker stops before anything else; its ticks still on their way
  // carry the old generation and are dropped.
  worker_.reset();
  ++generation_;
  handOverPending_ = false;
  event_.reset();
  eventId_ = 0;
  inTick_ = false;
  const bool wanted = enabled_ && static_cast<bool>(OnTimer());
  if (useThread_) {
    window_.reset();
    if (wanted) {
      // The whole interval, not its low 16 bits: cut, 70000 ms would tick
      // every 4464 ms and 65536 ms would not sleep at all.
      const std::uint64_t generation = generation_;
      worker_ = std::make_unique<TKitThreadedTimer>(interval_, threadPriority_,
                                                    [this, generation] { return WorkerTick(generation); });
    }
    return;
  }
  if (!window_) window_ = std::make_unique<HiddenWindow>([this](TMessage& message) { WindowMessage(message); });
  if (wanted && interval_ != 0) {
    // The event stops before the window goes, so its thread never posts to
    // a window that is gone.
    event_ = std::make_unique<MultimediaEvent>(
        interval_, [window = window_.get()](std::uint32_t id) { window->Post(WM_TIMER, id, 0); });
    eventId_ = event_->Id();
  }
}

void TKitHiTimer::WindowMessage(TMessage& message) {
  if (message.Msg != WM_TIMER || eventId_ == 0 || message.WParam != eventId_) return;
  GuardedTick();
}

void TKitHiTimer::GuardedTick() {
  if (inTick_) return;
  const QPointer<TKitHiTimer> self(this);
  inTick_ = true;
  DoTimer();
  if (self) inTick_ = false;
}

bool TKitHiTimer::WorkerTick(std::uint64_t generation) {
  if (!enabled_) return true;
  if (synchronize_) {
    // One tick at a time on its way: a busy GUI thread gets no pile of them.
    if (handOverPending_.exchange(true)) return true;
    if (QCoreApplication::instance() == nullptr) return true;
    QMetaObject::invokeMethod(
        this, [this, generation] { SynchronizedTick(generation); }, Qt::QueuedConnection);
    return true;
  }
  try {
    DoTimer();
    return true;
  } catch (const std::exception& error) {
    // Told on the GUI thread; the worker ends.
    if (QCoreApplication* application = QCoreApplication::instance()) {
      QMetaObject::invokeMethod(
          application, [text = std::string(error.what())] { ReportException(EKitError(text)); }, Qt::QueuedConnection);
    }
    return false;
  }
}

void TKitHiTimer::SynchronizedTick(std::uint64_t generation) {
  if (generation != generation_) return;
  handOverPending_ = false;
  if (!enabled_) return;
  // A handler that raises leaves inTick_ set, so this timer ticks no more.
  RunGuarded([this] { GuardedTick(); });
}

}  // namespace kit
