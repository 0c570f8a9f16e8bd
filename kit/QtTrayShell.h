#pragma once
// The notification area through Qt's system tray icons, one for each window
// and identifier. An icon is added and shown also while there is no
// notification area (at log-in it often starts after the program, and
// offscreen there is none): Qt docks a shown icon once an area appears.
// Without a Qt application adding fails.
//
// A Qt icon is a child of the hidden window it reports to, so it goes with
// that window; the shell deletes the ones left on NIM_DELETE and when it
// goes itself. Qt reports clicks, not presses: the icon posts a click to its
// window as the button's down and up messages, a double click as the
// double-click and up messages, the context request as the right button's
// down and up messages.

#include <QPointer>
#include <QSystemTrayIcon>
#include <map>
#include <utility>

#include "TrayShell.h"

namespace kit {

class QtTrayShell : public TrayShell {
 public:
  QtTrayShell();
  ~QtTrayShell() override;
  QtTrayShell(const QtTrayShell&) = delete;
  QtTrayShell& operator=(const QtTrayShell&) = delete;

  bool NotifyIcon(std::uint32_t operation, const TNotifyIconData& data) override;
  bool IconShown(HWND window, std::uint32_t id) const override;

  // The Qt icon of a window and identifier; null when none was added, or it
  // went with its window.
  QSystemTrayIcon* Icon(HWND window, std::uint32_t id) const;

 private:
  using Key = std::pair<HWND, std::uint32_t>;
  bool Add(const TNotifyIconData& data);
  void Apply(QSystemTrayIcon& icon, const TNotifyIconData& data) const;

  std::map<Key, QPointer<QSystemTrayIcon>> icons_;
};

}  // namespace kit
