#pragma once
// A window that is never shown and only receives messages: its procedure runs
// on the GUI thread for every message sent or posted to it, and its window
// timers send it WM_TIMER with the timer's identifier as wParam.
//
// It is a plain Qt object that the kit object it serves owns. Its handle is
// the number messages and the shell's record name it by (KitHandles.h).
// Exceptions that the procedure raises are reported through the application's
// exception handler. Make and free hidden windows on the GUI thread.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "KitMessages.h"

namespace kit {

using HWND = std::uint32_t;

class HiddenWindow : public QObject {
 public:
  using Procedure = std::function<void(TMessage&)>;

  explicit HiddenWindow(Procedure procedure);
  ~HiddenWindow() override;
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  // 0 when the window was made without an initialised kit.
  HWND Handle() const { return handle_; }

  // Starts (or restarts) the timer with this identifier.
  void SetTimer(std::uintptr_t id, std::uint32_t intervalMs);
  // False when there was no such timer.
  bool KillTimer(std::uintptr_t id);
  bool HasTimer(std::uintptr_t id) const { return timers_.count(id) != 0; }

  // Runs the procedure now and returns the message's result. The procedure
  // may free the window. GUI thread only.
  std::intptr_t Send(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Hands the message to the GUI thread, which runs the procedure if the
  // window still exists then; false without an application. Safe from any
  // thread while the window lives.
  bool Post(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

  // The window of a handle; null when no window has it.
  static HiddenWindow* FromHandle(HWND window);
  // Send to the window of the handle; 0 when there is no such window.
  static std::intptr_t SendMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

 private:
  HWND handle_ = 0;
  Procedure procedure_;
  std::map<std::uintptr_t, std::unique_ptr<QTimer>> timers_;
};

}  // namespace kit
