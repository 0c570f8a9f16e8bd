#pragma once
// A flat tool-bar button with a picture and a hint. OnClick runs on a click
// with the left button; OnMouseUp runs when any mouse button is released over
// the button, and says which one.

#include <QToolButton>
#include <functional>

namespace desktop {

class SpeedButton final : public QToolButton {
  Q_OBJECT

 public:
  SpeedButton(const QIcon& picture, const QString& hint, QWidget* parent = nullptr);

  std::function<void()> OnClick;
  std::function<void(Qt::MouseButton button)> OnMouseUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace desktop
