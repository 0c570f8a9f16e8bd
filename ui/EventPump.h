#pragma once
// Keeps the window painting and timers running during a long operation while no
// user input gets through: for the life of an EventPump every mouse, key, wheel,
// touch, drag and context-menu event and every close request is dropped, so
// handlers cannot be re-entered and no window closes under the operation.
// Input reaches only a modal dialog that the operation itself opens (an error
// message, say), and that dialog can be closed.
//
//   ui::EventPump pump;
//   for (...) { WriteOneBook(); pump.Pump(); }

#include <memory>

namespace ui {

class EventPump {
 public:
  EventPump();
  // Drops the input that arrived since the last Pump, then lets input through again.
  ~EventPump();
  EventPump(const EventPump&) = delete;
  EventPump& operator=(const EventPump&) = delete;

  // Lets the waiting events run: paints, timers, sockets; input is dropped.
  void Pump();

  // One pump of its own, for a single "let the waiting messages run".
  static void ProcessPending();

 private:
  class InputFilter;
  std::unique_ptr<InputFilter> filter_;
};

}  // namespace ui
