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

QtTrayShell::~QtTrayShell() {
  for (const auto& [key, icon] : icons_) delete icon.data();
}

void QtTrayShell::Apply(QSystemTrayIcon& icon, const TNotifyIconData& data) const {
  if (data.uFlags & NIF_ICON) icon.setIcon(IconOfHandle(data.hIcon));
  if (data.uFlags & NIF_TIP) {
    const auto length = static_cast<qsizetype>(strnlen(data.szTip, sizeof data.szTip));
    icon.setToolTip(QString::fromLocal8Bit(data.szTip, length));
  }
}

bool QtTrayShell::Add(const TNotifyIconData& data) {
  if (Icon(data.hWnd, data.uID) != nullptr || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
    return false;
  HiddenWindow* window = HiddenWindow::FromHandle(data.hWnd);
  auto* icon = new QSystemTrayIcon(window);
  Apply(*icon, data);
  if (window != nullptr && (data.uFlags & NIF_MESSAGE)) {
    // Posted, as a handler may free the window and with it this icon.
    QObject::connect(icon, &QSystemTrayIcon::activated, window,
                     [window, id = data.uID, message = data.uCallbackMessage](auto reason) {
                       for (std::uint32_t mouse : MouseMessages(reason)) window->Post(message, id, mouse);
                     });
  }
  icon->show();
  icons_[Key{data.hWnd, data.uID}] = icon;
  return true;
}

bool QtTrayShell::NotifyIcon(std::uint32_t operation, const TNotifyIconData& data) {
  if (operation == NIM_ADD) return Add(data);
  QSystemTrayIcon* icon = Icon(data.hWnd, data.uID);
  if (icon == nullptr) return false;
  switch (operation) {
    case NIM_MODIFY:
      Apply(*icon, data);
      return true;
    case NIM_DELETE:
      icons_.erase(Key{data.hWnd, data.uID});
      delete icon;
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
  return found == icons_.end() ? nullptr : found->second.data();
}

}  // namespace kit
