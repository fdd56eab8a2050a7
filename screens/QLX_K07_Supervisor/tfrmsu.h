#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>
#include <vector>

#include "model/session_parameters.h"
#include "screens/shell/screen_form.h"
#include "session/indexed_array.h"

// The supervisor's session file creation screen. The supervisor types a reference, a password
// and the student's name, picks a fluorophore system, adjusts the eight parameters it proposes
// and generates the session file (and, when asked, a text record of the entries beside it).
class TFRMSU : public ScreenForm {
  Q_OBJECT

 public:
  TFRMSU();

  void Refresh() override;

  // Empties the three text fields and shows system 1 with its defaults; "Save Text Record"
  // keeps its state.
  void ClearCreationScreen();

  // Labels, each to the left of its field, in the order of the fields.
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label11;
  QLabel* Label12;

  // In tab order.
  QLineEdit* EditT1;
  QLineEdit* EditT2;
  QLineEdit* EditT3;
  QComboBox* ComboBox1;
  QLineEdit* EditP1;
  QLineEdit* EditP2;
  QLineEdit* EditP3;
  QLineEdit* EditP4;
  QLineEdit* EditP5;
  QLineEdit* EditP6;
  QLineEdit* EditP7;
  QLineEdit* EditP8;
  QPushButton* Button1;
  QCheckBox* CheckBox1;
  QPushButton* Button2;

 public slots:
  // The supervisor picked a system: its defaults replace the eight parameters.
  void ComboBox1Change();

  // A key was pressed in a field: Enter moves the focus on (the key is not consumed).
  void EditT1KeyPress(int key);
  void EditT2KeyPress(int key);
  void EditT3KeyPress(int key);
  void EditP1KeyPress(int key);
  void EditP2KeyPress(int key);
  void EditP3KeyPress(int key);
  void EditP4KeyPress(int key);
  void EditP5KeyPress(int key);
  void EditP6KeyPress(int key);
  void EditP7KeyPress(int key);
  void EditP8KeyPress(int key);
  // In the system list Backspace moves the focus on as well.
  void ComboBox1KeyPress(int key);

  // "Generate session file".
  void Button1Click();
  // "Exit": ends the program.
  void Button2Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void SetTabOrder();
  void ConnectHandlers();
  void FormCreate();
  void ShowSystemDefaults(int system);
  void FocusNextOnEnter(int key);
  // Stores and re-shows the eight parameters in order; false at the first one refused.
  bool AcceptParameters();
  void SaveTextRecord();

  OneBased<QLineEdit*, ParameterCount> parameterFields_;
  std::vector<std::pair<QWidget*, void (TFRMSU::*)(int)>> keyPressHandlers_;
};
