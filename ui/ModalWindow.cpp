#include "ModalWindow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "ModalForm.h"

namespace ui {
namespace {

// Ends the loop once the window it watches is no longer shown.
class HiddenWatch final : public QObject {
 public:
  HiddenWatch(QWidget& window, QEventLoop& loop) : window_(&window), loop_(loop) { window.installEventFilter(this); }
  ~HiddenWatch() override {
    if (window_) window_->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Hide && !window_->isVisible()) loop_.quit();
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QWidget> window_;
  QEventLoop& loop_;
};

}  // namespace

void ShowWindowModal(QWidget& window) {
  if (auto* form = qobject_cast<ModalForm*>(&window)) {
    form->ShowModal();
    return;
  }
  const QPointer<QWidget> alive(&window);
  QEventLoop loop;
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window.setWindowModality(Qt::ApplicationModal);
  {
    HiddenWatch watch(window, loop);
    window.show();
    if (window.isVisible()) loop.exec(QEventLoop::DialogExec);
  }
  if (alive) alive->setWindowModality(Qt::NonModal);
}

}  // namespace ui
