#include "OwnerMessages.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace kit {

TKitMessageEvent::TKitMessageEvent(const TMessage& message) : QEvent(EventType()), message_(message) {}

QEvent::Type TKitMessageEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

std::optional<TMessage> MessageFromEvent(const QObject& watched, const QEvent& event) {
  switch (event.type()) {
    case QEvent::Show:
      return TMessage{WM_SHOWWINDOW, 1, 0};
    case QEvent::Hide:
      return TMessage{WM_SHOWWINDOW, 0, 0};
    case QEvent::Close:
      if (event.spontaneous()) return TMessage{WM_SYSCOMMAND, SC_CLOSE, 0};
      return TMessage{WM_CLOSE, 0, 0};
    case QEvent::WindowStateChange: {
      // The event comes after the change: the widget's state is the new one.
      const auto& change = static_cast<const QWindowStateChangeEvent&>(event);
      const auto* widget = qobject_cast<const QWidget*>(&watched);
      if (widget == nullptr || (change.oldState() & Qt::WindowMinimized) || !widget->isMinimized()) return std::nullopt;
      return TMessage{WM_SYSCOMMAND, SC_MINIMIZE, 0};
    }
    case QEvent::ThemeChange:
      return TMessage{WM_THEMECHANGED, 0, 0};
    default:
      return std::nullopt;
  }
}

std::intptr_t SendKitMessage(QObject* target, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (target == nullptr) return 0;
  TKitMessageEvent event(TMessage{msg, wParam, lParam});
  QCoreApplication::sendEvent(target, &event);
  return event.Message().Result;
}

}  // namespace kit
