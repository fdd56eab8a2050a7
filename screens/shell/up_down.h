#pragma once

#include <QToolButton>
#include <QWidget>

// The position of a classic up-down control, stepped by one per press of its arrow buttons
// within the limits and without wrap-around. Holding an arrow repeats it. The arrows take the
// focus only by Tab, so pressing one leaves the focus where it was.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  int Position() const { return position_; }
  // Sets the position, held within the limits; emits nothing.
  void SetPosition(int position);

 signals:
  // An arrow was pressed; the position has already moved (unless it stood at its limit).
  void Clicked();

 protected:
  UpDown(int minimum, int maximum, QWidget* parent);
  // An arrow button that steps the position by `by`.
  QToolButton* NewArrow(Qt::ArrowType type, int by);

 private:
  void Step(int by);

  int minimum_;
  int maximum_;
  int position_;
};

// Two arrows stacked: the upper one steps the position up, the lower one down.
class VerticalUpDown : public UpDown {
  Q_OBJECT

 public:
  VerticalUpDown(int minimum, int maximum, QWidget* parent);

  QToolButton* UpArrow;
  QToolButton* DownArrow;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
