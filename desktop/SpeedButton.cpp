#include "SpeedButton.h"

#include <QMouseEvent>

namespace desktop {

SpeedButton::SpeedButton(const QIcon& picture, const QString& hint, QWidget* parent)
    : QToolButton(parent) {
  setIcon(picture);
  setIconSize(QSize(28, 28));
  setToolTip(hint);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, [this] {
    if (const auto click = OnClick) click();
  });
}

void SpeedButton::mousePressEvent(QMouseEvent* event) {
  // The tool button takes the left button only; the others are ours, so that
  // their release comes back here.
  if (event->button() == Qt::LeftButton)
    QToolButton::mousePressEvent(event);
  else
    event->accept();
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  const Qt::MouseButton button = event->button();
  const bool over = rect().contains(event->position().toPoint());
  if (button == Qt::LeftButton)
    QToolButton::mouseReleaseEvent(event);
  else
    event->accept();
  if (over && isEnabled())
    if (const auto mouseUp = OnMouseUp) mouseUp(button);
}

}  // namespace desktop
