#pragma once
// For the add-in's form tests: a watcher that handles each modal window once
// its own event loop runs.

#include <QObject>
#include <functional>

class QWidget;

namespace wordaddin::testing {

// Handles each modal window that comes up, by default closing it.
class ModalWatcher : public QObject {
 public:
  using Handler = std::function<void(QWidget& window)>;
  explicit ModalWatcher(Handler handler = nullptr);
  ~ModalWatcher() override;
  int Count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
  int count_ = 0;
};

}  // namespace wordaddin::testing
