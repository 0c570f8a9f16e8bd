#pragma once
// Helpers of the kit's tests: an initialised kit with recorded dialogs,
// waiting for something that timers do, and bytes for the stream formats.

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdint>
#include <functional>
#include <initializer_list>
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

// Bytes written out as the formats give them.
inline QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int value : values) bytes.append(static_cast<char>(value));
  return bytes;
}

inline QByteArray Le32(std::uint32_t value) {
  return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

// What write puts into a fresh memory stream.
template <typename Write>
QByteArray Written(Write write) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  write(buffer);
  return bytes;
}

// A memory stream to read the bytes from.
class Reading {
 public:
  explicit Reading(const QByteArray& bytes) : bytes_(bytes), buffer_(&bytes_) { buffer_.open(QIODevice::ReadOnly); }
  QBuffer& Stream() { return buffer_; }

 private:
  QByteArray bytes_;
  QBuffer buffer_;
};

}  // namespace kit_testing
