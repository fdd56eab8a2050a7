#include "screens/shell/horizontal_up_down.h"

#include <algorithm>

HorizontalUpDown::HorizontalUpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
  LeftArrow = new QToolButton(this);
  LeftArrow->setArrowType(Qt::LeftArrow);
  RightArrow = new QToolButton(this);
  RightArrow->setArrowType(Qt::RightArrow);
  for (QToolButton* arrow : {LeftArrow, RightArrow}) {
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::TabFocus);
  }
  connect(LeftArrow, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(RightArrow, &QToolButton::clicked, this, [this] { Step(+1); });
}

void HorizontalUpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

void HorizontalUpDown::Step(int by) {
  SetPosition(position_ + by);
  emit Clicked();
}

void HorizontalUpDown::resizeEvent(QResizeEvent* /*event*/) {
  const int half = width() / 2;
  LeftArrow->setGeometry(0, 0, half, height());
  RightArrow->setGeometry(half, 0, width() - half, height());
}
