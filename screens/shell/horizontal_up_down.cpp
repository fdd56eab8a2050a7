#include "screens/shell/horizontal_up_down.h"

HorizontalUpDown::HorizontalUpDown(int minimum, int maximum, QWidget* parent)
    : UpDown(minimum, maximum, parent),
      LeftArrow(NewArrow(Qt::LeftArrow, -1)),
      RightArrow(NewArrow(Qt::RightArrow, +1)) {}

void HorizontalUpDown::resizeEvent(QResizeEvent* /*event*/) {
  const int half = width() / 2;
  LeftArrow->setGeometry(0, 0, half, height());
  RightArrow->setGeometry(half, 0, width() - half, height());
}
