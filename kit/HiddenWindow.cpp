#include "HiddenWindow.h"

#include <QCoreApplication>

#include "Application.h"
#include "KitHandles.h"

namespace kit {

HiddenWindow::HiddenWindow(Procedure procedure) : procedure_(std::move(procedure)) {
  if (HandlesOf<HiddenWindow>* handles = WindowHandles()) handle_ = handles->Add(*this);
}

HiddenWindow::~HiddenWindow() {
  timers_.clear();
  if (HandlesOf<HiddenWindow>* handles = WindowHandles()) handles->Remove(handle_, *this);
}

void HiddenWindow::SetTimer(std::uintptr_t id, std::uint32_t intervalMs) {
  auto& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, this, [this, id] { Send(WM_TIMER, id, 0); });
  }
  timer->start(static_cast<int>(intervalMs));
}

bool HiddenWindow::KillTimer(std::uintptr_t id) { return timers_.erase(id) != 0; }

std::intptr_t HiddenWindow::Send(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  TMessage message{msg, wParam, lParam};
  // Nothing of the window is touched after the procedure: it may free it.
  RunGuarded([&] {
    if (procedure_) procedure_(message);
  });
  return message.Result;
}

bool HiddenWindow::Post(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (QCoreApplication::instance() == nullptr) return false;
  // Qt drops the call when the window goes before the GUI thread gets to it.
  return QMetaObject::invokeMethod(
      this, [this, msg, wParam, lParam] { Send(msg, wParam, lParam); }, Qt::QueuedConnection);
}

HiddenWindow* HiddenWindow::FromHandle(HWND window) {
  const HandlesOf<HiddenWindow>* handles = WindowHandles();
  return handles == nullptr ? nullptr : handles->Find(window);
}

std::intptr_t HiddenWindow::SendMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  HiddenWindow* target = FromHandle(window);
  return target == nullptr ? 0 : target->Send(msg, wParam, lParam);
}

}  // namespace kit
