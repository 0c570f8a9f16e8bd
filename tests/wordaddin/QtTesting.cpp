#include "QtTesting.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace wordaddin::testing {

ModalWatcher::ModalWatcher(Handler handler) : handler_(std::move(handler)) { qApp->installEventFilter(this); }

ModalWatcher::~ModalWatcher() { qApp->removeEventFilter(this); }

bool ModalWatcher::eventFilter(QObject* watched, QEvent* event) {
  auto* window = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Show && window && window->isWindow() && window->isModal()) {
    ++count_;
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(window)] {
      if (!target) return;
      if (handler_) handler_(*target);
      if (target && target->isVisible()) target->close();
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace wordaddin::testing
