#include "HiddenWindow.h"

#include <QCoreApplication>
#include <mutex>

#include "Application.h"

namespace kit {

namespace {

// The live hidden windows by handle. Posts from other threads look here when
// they are delivered, so a message for a window that is gone is dropped.
struct Registry {
  std::mutex mutex;
  std::map<HWND, HiddenWindow::Procedure*> windows;
  HWND last = 0;
};

Registry& Windows() {
  static Registry registry;
  return registry;
}

}  // namespace

HiddenWindow::HiddenWindow(Procedure procedure) : procedure_(std::move(procedure)) {
  Registry& registry = Windows();
  std::lock_guard lock(registry.mutex);
  do {
    handle_ = ++registry.last;
  } while (handle_ == 0 || registry.windows.count(handle_) != 0);
  registry.windows.emplace(handle_, &procedure_);
}

HiddenWindow::~HiddenWindow() {
  timers_.clear();
  Registry& registry = Windows();
  std::lock_guard lock(registry.mutex);
  registry.windows.erase(handle_);
}

void HiddenWindow::SetTimer(std::uintptr_t id, std::uint32_t intervalMs) {
  auto& timer = timers_[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [window = handle_, id] { SendMessage(window, WM_TIMER, id, 0); });
  }
  timer->start(static_cast<int>(intervalMs));
}

bool HiddenWindow::KillTimer(std::uintptr_t id) { return timers_.erase(id) != 0; }

std::intptr_t HiddenWindow::SendMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  // A copy, so that a procedure may free its own window while it runs.
  Procedure procedure;
  {
    Registry& registry = Windows();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.windows.find(window);
    if (found == registry.windows.end()) return 0;
    procedure = *found->second;
  }
  TMessage message{msg, wParam, lParam};
  RunGuarded([&] {
    if (procedure) procedure(message);
  });
  return message.Result;
}

bool HiddenWindow::PostMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return false;
  return QMetaObject::invokeMethod(
      application, [=] { SendMessage(window, msg, wParam, lParam); }, Qt::QueuedConnection);
}

}  // namespace kit
