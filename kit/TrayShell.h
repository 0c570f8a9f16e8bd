#pragma once
// The shell's notification area as the tray icon talks to it: add, modify
// and delete an icon described by an 88-byte record. The shell reports mouse
// actions on an icon by posting the record's callback message to its window,
// with the icon's identifier as wParam and the mouse message as lParam.
//
// The kit holds one shell while it is initialised: the Qt shell, which a test
// may replace with one of its own.

#include <cstdint>
#include <memory>

#include "HiddenWindow.h"
#include "Icon.h"

namespace kit {

inline constexpr std::uint32_t NIM_ADD = 0;
inline constexpr std::uint32_t NIM_MODIFY = 1;
inline constexpr std::uint32_t NIM_DELETE = 2;

inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;

struct TNotifyIconData {
  std::uint32_t cbSize = 88;
  HWND hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  HICON hIcon = 0;
  char szTip[64] = {};  // ended by a zero byte
};
static_assert(sizeof(TNotifyIconData) == 88);

class TrayShell {
 public:
  virtual ~TrayShell() = default;
  // True when the shell did it.
  virtual bool NotifyIcon(std::uint32_t operation, const TNotifyIconData& data) = 0;
  // True when the notification area shows the icon of the window and
  // identifier now, so that the user can reach the icon's form through it.
  virtual bool IconShown(HWND window, std::uint32_t id) const = 0;
};

// Replaces the kit's shell and returns the one it had; null puts a new Qt
// shell in. Raises EKitError when the kit is not initialised.
std::shared_ptr<TrayShell> SetTrayShell(std::shared_ptr<TrayShell> shell);
// The kit's shell, null when the kit is not initialised.
TrayShell* CurrentTrayShell();

}  // namespace kit
