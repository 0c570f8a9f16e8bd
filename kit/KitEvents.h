#pragma once
// The event types of the kit's components. The sender of an event is the
// object that fires it (a component, a timer, a pool or a form).

#include <cstdint>
#include <functional>

class QObject;

namespace kit {

using TNotifyEvent = std::function<void(QObject* sender)>;

// Runs a copy of the event, so that its handler may free the object that
// holds it (and the event with it). Nothing when the event is empty.
template <typename Event, typename... Args>
void FireEvent(const Event& event, Args... args) {
  if (!event) return;
  const Event copy = event;
  copy(args...);
}

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The shift state of a mouse event, as a set of flags.
enum TShiftFlag : std::uint8_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = std::uint8_t;

using TMouseEvent = std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;

}  // namespace kit
