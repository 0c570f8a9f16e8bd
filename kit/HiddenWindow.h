#pragma once
// A window that is never shown and only receives messages: its procedure runs
// on the GUI thread for every message sent or posted to its handle, and its
// window timers send it WM_TIMER with the timer's identifier as wParam.
//
// Posting is safe from any thread: the message is handed to the GUI thread
// and delivered only if the window still exists then. Exceptions that the
// procedure raises are reported through the application's exception handler.
// Make and free hidden windows on the GUI thread.

#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "KitMessages.h"

namespace kit {

using HWND = std::uint32_t;

class HiddenWindow {
 public:
  using Procedure = std::function<void(TMessage&)>;

  explicit HiddenWindow(Procedure procedure);
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  HWND Handle() const { return handle_; }

  // Starts (or restarts) the timer with this identifier.
  void SetTimer(std::uintptr_t id, std::uint32_t intervalMs);
  // False when there was no such timer.
  bool KillTimer(std::uintptr_t id);
  bool HasTimer(std::uintptr_t id) const { return timers_.count(id) != 0; }

  // Runs the window's procedure now and returns the result; 0 when there is
  // no such window. GUI thread only.
  static std::intptr_t SendMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Queues the message for the GUI thread; false without an application.
  static bool PostMessage(HWND window, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

 private:
  HWND handle_;
  Procedure procedure_;
  std::map<std::uintptr_t, std::unique_ptr<QTimer>> timers_;
};

}  // namespace kit
