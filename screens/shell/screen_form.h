#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

// A fixed-size window of the program. Closing it is refused and ends the program.
class ScreenForm : public QWidget {
  Q_OBJECT

 public:
  ScreenForm(const QString& caption, QSize clientSize, QColor colour);

  // Rebuilds the screen's controls from the session record; run each time it is shown.
  virtual void Refresh() {}

 protected:
  void closeEvent(QCloseEvent* event) override;
};
