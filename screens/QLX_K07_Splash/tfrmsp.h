#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QString>
#include <QTimer>

#include "screens/shell/screen_form.h"

// The supervisor switch: a first command-line argument equal to it, exactly, starts the
// program in supervisor mode.
inline const QString SupervisorSwitch = QStringLiteral("S");

// The start-up screen: a picture and a progress bar for about five seconds (50 ticks of
// 100 ms). The mode is decided at tick 30; the first screen is shown at tick 50.
class TFRMSP : public ScreenForm {
  Q_OBJECT

 public:
  explicit TFRMSP(QString firstArgument);

  static constexpr int LastTick = 50;
  static constexpr int ModeTick = 30;

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QProgressBar* ProgressBar1;
  QLabel* Label3;
  QTimer* Timer1;

  int Counter() const { return counter_; }

 public slots:
  void Timer1Timer();

 private:
  void FormCreate();

  QString firstArgument_;
  int counter_ = 0;
};
