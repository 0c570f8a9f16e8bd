#include "QtTrayShell.h"

#include <QGuiApplication>
#include <cstring>
#include <span>

#include "KitMessages.h"

namespace kit {

namespace {

// The mouse messages a Qt activation stands for.
std::span<const std::uint32_t> MouseMessages(QSystemTrayIcon::ActivationReason reason) {
  static constexpr std::uint32_t kClick[] = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  static constexpr std::uint32_t kDouble[] = {WM_LBUTTONDBLCLK, WM_LBUTTONUP};
  static constexpr std::uint32_t kMiddle[] = {WM_MBUTTONDOWN, WM_MBUTTONUP};
  static constexpr std::uint32_t kContext[] = {WM_RBUTTONDOWN, WM_RBUTTONUP};
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      return kClick;
    case QSystemTrayIcon::DoubleClick:
      return kDouble;
    case QSystemTrayIcon::MiddleClick:
      return kMiddle;
    case QSystemTrayIcon::Context:
      return kContext;
    default:
      return {};
  }
}

}  // namespace

QtTrayShell::QtTrayShell() = default;

QtTrayShell::~QtTrayShell() = default;

void QtTrayShell::Apply(QSystemTrayIcon& icon, const TNotifyIconData& data) const {
  if (data.uFlags & NIF_ICON) icon.setIcon(IconOfHandle(data.hIcon));
  if (data.uFlags & NIF_TIP) {
    const auto length = static_cast<qsizetype>(strnlen(data.szTip, sizeof data.szTip));
    icon.setToolTip(QString::fromLocal8Bit(data.szTip, length));
  }
}

bool QtTrayShell::NotifyIcon(std::uint32_t operation, const TNotifyIconData& data) {
  const Key key{data.hWnd, data.uID};
  const auto found = icons_.find(key);
  switch (operation) {
    case NIM_ADD: {
      if (found != icons_.end() || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
      auto icon = std::make_unique<QSystemTrayIcon>();
      Apply(*icon, data);
      if (data.uFlags & NIF_MESSAGE) {
        QObject::connect(icon.get(), &QSystemTrayIcon::activated,
                         [window = data.hWnd, id = data.uID, message = data.uCallbackMessage](auto reason) {
                           for (std::uint32_t mouse : MouseMessages(reason))
                             HiddenWindow::PostMessage(window, message, id, mouse);
                         });
      }
      icon->show();
      icons_.emplace(key, std::move(icon));
      return true;
    }
    case NIM_MODIFY:
      if (found == icons_.end()) return false;
      Apply(*found->second, data);
      return true;
    case NIM_DELETE:
      if (found == icons_.end()) return false;
      icons_.erase(found);
      return true;
    default:
      return false;
  }
}

bool QtTrayShell::IconShown(HWND window, std::uint32_t id) const {
  const QSystemTrayIcon* icon = Icon(window, id);
  return icon != nullptr && icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon* QtTrayShell::Icon(HWND window, std::uint32_t id) const {
  const auto found = icons_.find(Key{window, id});
  return found == icons_.end() ? nullptr : found->second.get();
}

}  // namespace kit
