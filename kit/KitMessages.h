#pragma once
// Window messages as the kit's components see them: a number with two
// parameters and a result. Qt events of an owner form are turned into these
// (OwnerMessages.h); hidden windows receive them directly (HiddenWindow.h).

#include <cstdint>
#include <string_view>

namespace kit {

struct TMessage {
  std::uint32_t Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
  // Set when the message was passed on to its window's own handling; a
  // message that is not passed on is consumed.
  bool PassedOn = false;
};

inline constexpr std::uint32_t WM_CREATE = 0x0001;
inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_SHOWWINDOW = 0x0018;
inline constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
inline constexpr std::uint32_t WM_TIMER = 0x0113;
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr std::uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr std::uint32_t WM_THEMECHANGED = 0x031A;
inline constexpr std::uint32_t WM_USER = 0x0400;

// The kit's own message that tells controls the theme changed.
inline constexpr std::uint32_t CM_KITTHEMECHANGED = 0xB0D6;

// WM_SYSCOMMAND commands.
inline constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
inline constexpr std::uintptr_t SC_CLOSE = 0xF060;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// The message number registered for a name: the same name gives the same
// number for the life of the process; numbers lie in 0xC000..0xFFFF.
std::uint32_t RegisterWindowMessage(std::string_view name);

}  // namespace kit
