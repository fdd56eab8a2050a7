#include "support/user_input.h"

#include <QTest>

void Click(QWidget* control) {
  QTest::mouseClick(control, Qt::LeftButton);
}

bool SetTicked(QAbstractButton* box, bool ticked) {
  if (box->isChecked() != ticked) {
    // The middle of a wide box with a short caption lies beside what answers to a click.
    const int middle = box->height() / 2;
    const int x = box->isRightToLeft() ? box->width() - middle : middle;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, middle));
  }
  return box->isChecked() == ticked;
}

void TypeAndEnter(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

void Pick(QComboBox* list, const QString& text) {
  const int wanted = list->findText(text);
  if (wanted < 0) return;
  list->setFocus();
  while (list->currentIndex() < wanted) QTest::keyClick(list, Qt::Key_Down);
  while (list->currentIndex() > wanted) QTest::keyClick(list, Qt::Key_Up);
}
