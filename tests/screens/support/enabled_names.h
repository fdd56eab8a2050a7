#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>
#include <initializer_list>

// The object names of the given controls that are enabled, in the order given: a screen's
// state as one comparable list.
inline QStringList EnabledNames(std::initializer_list<const QWidget*> controls) {
  QStringList names;
  for (const QWidget* control : controls)
    if (control->isEnabled()) names << control->objectName();
  return names;
}

// The object names of the given boxes that are ticked, in the order given.
inline QStringList TickedNames(std::initializer_list<const QAbstractButton*> boxes) {
  QStringList names;
  for (const QAbstractButton* box : boxes)
    if (box->isChecked()) names << box->objectName();
  return names;
}
