#include "EventPump.h"

#include <QCoreApplication>

#include "InputBlock.h"

namespace ui {

EventPump::EventPump() : block_(std::make_unique<InputBlock>()) {}

EventPump::~EventPump() { Pump(); }

void EventPump::Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void EventPump::ProcessPending() {
  EventPump pump;
  pump.Pump();
}

}  // namespace ui
