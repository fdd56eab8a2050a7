#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
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

inline QLineEdit* NewEdit(const char* name, QRect place, QWidget* parent) {
  auto* edit = Named(new QLineEdit(parent), QString::fromLatin1(name));
  edit->setGeometry(place);
  return edit;
}

// A sunken box that groups controls; create it before them so that they lie above it.
inline QFrame* NewBevel(QRect place, QWidget* parent) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(place);
  return bevel;
}
