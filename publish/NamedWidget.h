#pragma once
// Gives a form's component the object name it has as a member, so that tests
// and style sheets find it by that name.

#include <QString>

namespace publish {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace publish
