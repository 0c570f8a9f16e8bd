#pragma once
// The notification area through Qt's system tray icons, one for each window
// and identifier. Without a system tray (offscreen, or a desktop that has
// none) adding fails, as a failed registration with the shell does.
//
// Qt reports clicks, not presses: a click is told as the button's down and
// up messages, a double click as the double-click and up messages, the
// context request as the right button's down and up messages.

#include <QSystemTrayIcon>
#include <map>
#include <memory>
#include <utility>

#include "TrayShell.h"

namespace kit {

class QtTrayShell : public TrayShell {
 public:
  QtTrayShell();
  ~QtTrayShell() override;

  bool NotifyIcon(std::uint32_t operation, const TNotifyIconData& data) override;

 private:
  using Key = std::pair<HWND, std::uint32_t>;
  void Apply(QSystemTrayIcon& icon, const TNotifyIconData& data) const;

  std::map<Key, std::unique_ptr<QSystemTrayIcon>> icons_;
};

}  // namespace kit
