#pragma once

#include <QToolButton>
#include <QWidget>

#include "screens/shell/up_down.h"

// Two arrows side by side: the left one steps the position down, the right one up.
class HorizontalUpDown : public UpDown {
  Q_OBJECT

 public:
  HorizontalUpDown(int minimum, int maximum, QWidget* parent);

  QToolButton* LeftArrow;
  QToolButton* RightArrow;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
