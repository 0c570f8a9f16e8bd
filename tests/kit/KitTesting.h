#pragma once
// Helpers of the kit's tests: an initialised kit with recorded dialogs, and
// waiting for something that timers do.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <memory>

#include "kit/KitUnits.h"
#include "platform/Dialogs.h"

namespace kit_testing {

// Runs events until the condition holds or the time is up; true when it holds.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

// Runs the events that come in during the given time.
inline void RunEventsFor(int ms) {
  WaitUntil([] { return false; }, ms);
}

// The kit initialised for one test, its dialogs recorded.
struct KitScope {
  std::shared_ptr<platform::RecordingDialogService> dialogs = std::make_shared<platform::RecordingDialogService>();
  platform::ScopedDialogService dialogScope{dialogs};
  kit::KitUnits units;
};

}  // namespace kit_testing
