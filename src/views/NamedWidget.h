#pragma once

#include <QString>

// A control with the object name tests and scripts find it by and the name a
// screen reader says.
template <typename Widget>
Widget* Named(Widget* widget, const QString& name, const QString& accessibleName) {
  widget->setObjectName(name);
  widget->setAccessibleName(accessibleName);
  return widget;
}
