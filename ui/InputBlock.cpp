#include "InputBlock.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace ui {
namespace {

bool IsUserInputOrClose(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    // A close by code comes through the window system as well, so no window
    // closes during the operation; its own dialogs close by hiding.
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputBlock::InputBlock() : modalAtStart_(QApplication::activeModalWidget()) {
  QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() { QCoreApplication::instance()->removeEventFilter(this); }

bool InputBlock::eventFilter(QObject* target, QEvent* event) {
  return IsUserInputOrClose(*event) && !InModalOpenedSince(target);
}

bool InputBlock::InModalOpenedSince(QObject* target) const {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == modalAtStart_) return false;
  if (auto* widget = qobject_cast<QWidget*>(target)) return widget->window() == modal;
  if (auto* window = qobject_cast<QWindow*>(target)) return window == modal->windowHandle();
  return false;
}

}  // namespace ui
