#include "screens/shell/up_down.h"

#include <algorithm>

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

QToolButton* UpDown::NewArrow(Qt::ArrowType type, int by) {
  auto* arrow = new QToolButton(this);
  arrow->setArrowType(type);
  arrow->setAutoRepeat(true);
  arrow->setFocusPolicy(Qt::TabFocus);
  connect(arrow, &QToolButton::clicked, this, [this, by] { Step(by); });
  return arrow;
}

void UpDown::Step(int by) {
  SetPosition(position_ + by);
  emit Clicked();
}

VerticalUpDown::VerticalUpDown(int minimum, int maximum, QWidget* parent)
    : UpDown(minimum, maximum, parent),
      UpArrow(NewArrow(Qt::UpArrow, +1)),
      DownArrow(NewArrow(Qt::DownArrow, -1)) {}

void VerticalUpDown::resizeEvent(QResizeEvent* /*event*/) {
  const int half = height() / 2;
  UpArrow->setGeometry(0, 0, width(), half);
  DownArrow->setGeometry(0, half, width(), height() - half);
}
