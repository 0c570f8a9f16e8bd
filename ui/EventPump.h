#pragma once
// Keeps the window painting and timers running during a long operation while no
// user input gets through: for the life of an EventPump the user is held off
// (InputBlock.h), so handlers cannot be re-entered and no window closes under
// the operation.
//
//   ui::EventPump pump;
//   for (...) { WriteOneBook(); pump.Pump(); }

#include <memory>

namespace ui {

class InputBlock;

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
  std::unique_ptr<InputBlock> block_;
};

}  // namespace ui
