#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

// Small builders for the controls of the fixed-pixel forms.

// Every control carries its declared name, so that it can be found by it.
template <typename Control>
Control* Named(Control* control, const QString& name) {
  control->setObjectName(name);
  return control;
}

inline QLabel* NewLabel(const char* name, const QString& text, int left, int top, QWidget* parent) {
  auto* label = Named(new QLabel(text, parent), QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

// A section title in blue.
inline QLabel* NewHeading(const char* name, const QString& text, int left, int top,
                          QWidget* parent) {
  QLabel* label = NewLabel(name, text, left, top, parent);
  label->setStyleSheet(QStringLiteral("color: blue"));
  return label;
}

inline QPushButton* NewButton(const char* name, const QString& caption, QRect place,
                              QWidget* parent) {
  auto* button = Named(new QPushButton(caption, parent), QString::fromLatin1(name));
  button->setGeometry(place);
  return button;
}
