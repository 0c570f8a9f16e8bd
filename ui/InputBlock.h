#pragma once
// Holds the user off for as long as it lives: every mouse, key, wheel, touch,
// drag and context-menu event and every close request is dropped, so that no
// handler runs on the user's behalf and no window closes in the meantime.
// Input still reaches a modal dialog opened while the block stands (an error
// message, say), and that dialog can be closed.

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

namespace ui {

class InputBlock final : public QObject {
 public:
  InputBlock();
  ~InputBlock() override;
  InputBlock(const InputBlock&) = delete;
  InputBlock& operator=(const InputBlock&) = delete;

  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  bool InModalOpenedSince(QObject* target) const;

  QPointer<QWidget> modalAtStart_;
};

}  // namespace ui
