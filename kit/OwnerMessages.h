#pragma once
// How an owner form's Qt events reach the kit as window messages, and how the
// kit sends its own messages to a widget.
//
// Qt events that have a message:
// - Show gives WM_SHOWWINDOW with wParam 1, Hide gives it with wParam 0;
// - a close asked for by the window system (the title bar's close button)
//   gives WM_SYSCOMMAND SC_CLOSE, a close by code WM_CLOSE;
// - a change of the window state to minimised gives WM_SYSCOMMAND SC_MINIMIZE;
// - a change of the platform's theme gives WM_THEMECHANGED.
// Other messages travel as a TKitMessageEvent (SendKitMessage): the kit's
// theme messages, "TaskbarCreated", and whatever a caller sends.

#include <QEvent>
#include <optional>

#include "KitMessages.h"

class QObject;

namespace kit {

class TKitMessageEvent : public QEvent {
 public:
  explicit TKitMessageEvent(const TMessage& message);
  static QEvent::Type EventType();
  TMessage& Message() { return message_; }

 private:
  TMessage message_;
};

// The message of a Qt event that the watched object receives, when it has one.
std::optional<TMessage> MessageFromEvent(const QObject& watched, const QEvent& event);

// Sends the message to the object at once (through the kit's hooks on it)
// and returns the message's result.
std::intptr_t SendKitMessage(QObject* target, std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

}  // namespace kit
