#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>
#include <vector>

#include "screens/shell/screen_form.h"

// The session control screen: the student's hub. The student logs in with a session reference
// and a password; the screen then shows what has been done (ticked boxes) and offers, for each
// step, either "Go" (still to be done) or "View" (saved), never both.
class TFRMSC : public ScreenForm {
  Q_OBJECT

 public:
  TFRMSC();

  void Refresh() override { RefreshSessionControl(); }

  // Rebuilds every control from Session and the LoggedIn flag.
  void RefreshSessionControl();
  // Everything disabled and unticked, measurement "01"; only the hint line stays enabled.
  void ClearSessionControl();

  QFrame* Bevel1;
  QFrame* Bevel2;
  QFrame* Bevel3;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QCheckBox* CheckBox1;
  QCheckBox* CheckBox2;
  QCheckBox* CheckBox3;
  QCheckBox* CheckBox4;
  QPushButton* Button01;
  QPushButton* Button02;
  QComboBox* ComboBox1;
  QPushButton* Button03;
  QPushButton* Button04;
  QPushButton* Button05;
  QPushButton* Button06;
  QPushButton* Button07;
  QPushButton* Button08;
  QPushButton* Button09;
  QPushButton* Button10;
  QPushButton* Button11;

 public slots:
  // A control received the focus: its hint goes into the hint line.
  void Edit1Enter();
  void Edit2Enter();
  void ComboBox1Enter();
  void Button01Enter();
  void Button02Enter();
  void Button03Enter();
  void Button04Enter();
  void Button05Enter();
  void Button06Enter();
  void Button07Enter();
  void Button08Enter();
  void Button09Enter();
  void Button10Enter();
  void Button11Enter();
  // The hint line received the focus: it passes it on.
  void Edit4Enter();

  // Enter in the reference field: login step 1.
  void Edit1KeyPress();
  // Enter in the password field: login step 2.
  void Edit2KeyPress();
  // The student picked a measurement number.
  void ComboBox1Change();

  void Button01Click();
  void Button02Click();
  void Button03Click();
  void Button04Click();
  void Button05Click();
  void Button06Click();
  void Button07Click();
  void Button08Click();
  void Button09Click();
  void Button10Click();
  void Button11Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetTabOrder();
  void ConnectHandlers();
  // Sets the prompt, decay and analysis rows for measurement m, every control explicitly.
  void ShowMeasurementRows(int m);
  // Runs the control's focus handler, if it has one.
  void RunEnterHandler(const QObject* control);
  // Focuses the control and shows its hint, also when it had the focus already.
  void GiveFocus(QWidget* control);
  void ShowMeasurementScreen(bool prompt);

  std::vector<std::pair<QWidget*, void (TFRMSC::*)()>> enterHandlers_;
};
