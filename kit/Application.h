#pragma once
// The class library's application object as the kit's components use it: the
// hidden top-level window that carries the program's taskbar button (only its
// visibility here: under Qt every top-level window has its own button), the
// flag that lets the main form show, message processing, the exception
// handler, termination, and hooks on the application window's messages.
//
// One lives while the kit is initialised (KitUnits.h); Application() gives it.

#include <atomic>
#include <functional>
#include <vector>

#include "KitMessages.h"

namespace kit {

class TApplication {
 public:
  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  bool ShowMainForm = true;

  // The application window: SW_HIDE hides it, any other command shows it.
  void ShowWindow(int command);
  bool WindowVisible() const { return windowVisible_; }

  // Runs the events that are waiting, then returns.
  void ProcessMessages();

  // Tells the user about an exception that reached the application: an
  // error message dialog with its text.
  void HandleException(const std::exception& error);

  void Terminate();
  bool Terminated() const { return terminated_; }

  // A hook sees every message sent to the application window; it returns
  // true when it has handled the message, which then goes no further.
  using MessageHook = std::function<bool(TMessage&)>;
  void HookMainWindow(const void* owner, MessageHook hook);
  void UnhookMainWindow(const void* owner);
  std::intptr_t SendMessage(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

 private:
  struct Hook {
    const void* owner;
    MessageHook hook;
  };
  std::vector<Hook> hooks_;
  bool windowVisible_ = true;
  std::atomic<bool> terminated_ = false;
};

// The application object of the kit; throws EKitError when the kit is not
// initialised.
TApplication& Application();

// True while the application is terminating; safe from any thread, also when
// the kit is not initialised (false then).
bool ApplicationTerminating();

// Runs work and reports any exception it raises through the application's
// exception handler (or, without an initialised kit, on standard error), so
// that nothing raised by a kit handler reaches Qt's event loop.
void RunGuarded(const std::function<void()>& work) noexcept;

// Reports the exception as RunGuarded does.
void ReportException(const std::exception& error) noexcept;

}  // namespace kit
