#include "QtTesting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace wordaddin::testing {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "wordaddin_forms_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

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
