#pragma once
// Gives a form's component the object name it has as a member, so that tests
// and style sheets find it by that name.

#include <QString>

namespace ui {

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace ui
