#pragma once

#include <QToolButton>
#include <QWidget>

// A pair of arrow buttons side by side: the left one steps the position down by one, the right
// one up, within the limits and without wrap-around. Holding an arrow repeats it.
class HorizontalUpDown : public QWidget {
  Q_OBJECT

 public:
  HorizontalUpDown(int minimum, int maximum, QWidget* parent);

  int Position() const { return position_; }
  // Sets the position, held within the limits; emits nothing.
  void SetPosition(int position);

  QToolButton* LeftArrow;
  QToolButton* RightArrow;

 signals:
  // An arrow was pressed; the position has already moved (unless it stood at its limit).
  void Clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Step(int by);

  int minimum_;
  int maximum_;
  int position_;
};
