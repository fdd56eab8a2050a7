// What the session control screen does: refresh, the two login steps, the measurement box and
// the buttons.
#include <array>

#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/latin1_text.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"

namespace {

// Upper-case entry can never produce it, so it never equals a typed reference.
const QString NoReference = QStringLiteral("Dummy");

// One row of step 2: ticked with only "View" enabled when done, else unticked with only "Go".
void ShowRow(QCheckBox* done, QPushButton* go, QPushButton* view, bool isDone) {
  done->setChecked(isDone);
  go->setEnabled(!isDone);
  view->setEnabled(isDone);
}

}  // namespace

void TFRMSC::ClearSessionControl() {
  const std::array buttons{Button01, Button02, Button03, Button04, Button05, Button06,
                           Button07, Button08, Button09, Button10, Button11};
  for (QPushButton* button : buttons) button->setEnabled(false);
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4}) box->setChecked(false);
  ComboBox1->setCurrentIndex(ComboBox1->findData(1));
  ComboBox1->setEnabled(false);
  for (QLineEdit* edit : {Edit1, Edit2, Edit3}) edit->setEnabled(false);
  Edit4->setEnabled(true);
}

void TFRMSC::RefreshSessionControl() {
  ClearSessionControl();
  if (!LoggedIn) {
    Button11->setEnabled(true);
    Edit1->setEnabled(true);
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) edit->clear();
    GiveFocus(Edit1);
    return;
  }
  if (!Session.SamplePrepared) {
    Button01->setEnabled(true);
    Button11->setEnabled(true);
    GiveFocus(Button01);
    return;
  }
  CheckBox1->setChecked(true);
  Button02->setEnabled(true);
  const int m = Session.CurrentMeasurement;
  ComboBox1->setEnabled(true);
  ComboBox1->setCurrentIndex(ComboBox1->findData(m));
  ShowMeasurementRows(m);
  for (QPushButton* button : {Button09, Button10, Button11}) button->setEnabled(true);
  GiveFocus(Button02);
}

void TFRMSC::ShowMeasurementRows(int m) {
  ShowRow(CheckBox2, Button03, Button04, Session.PromptRecorded[m]);
  ShowRow(CheckBox3, Button05, Button06, Session.DecayRecorded[m]);
  ShowRow(CheckBox4, Button07, Button08, Session.AnalysisSaved[m]);
  // An analysis needs both measurements of its number.
  if (!Session.AnalysisSaved[m])
    Button07->setEnabled(CheckBox2->isChecked() && CheckBox3->isChecked());
}

void TFRMSC::ComboBox1Change() {
  const int m = ComboBox1->currentData().toInt();
  Session.CurrentMeasurement = m;  // in memory only: the file gets it with the next save
  ShowMeasurementRows(m);
}

void TFRMSC::Edit1KeyPress() {
  const QString typed = Edit1->text();
  LogNote(QStringLiteral("Session reference = ") + typed);
  // A load that fails leaves Session as it was, so the reference an earlier load left behind
  // must not be there to match: only a file that really loads can pass.
  AssignText(Session.SessionReference, NoReference);
  const QByteArray latin1 = typed.toLatin1();
  LoadSession(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size())));
  // An empty reference is never accepted, not even from a file named ".qlx".
  if (typed.isEmpty()) AssignText(Session.SessionReference, NoReference);

  if (TextOf(Session.SessionReference) != typed) {
    LogNote(QStringLiteral("Invalid session reference"));
    InfoDialog(QStringLiteral("Invalid session."));
    GiveFocus(Edit1);
    return;
  }
  Edit2->setEnabled(true);
  Edit1->setEnabled(false);
  GiveFocus(Edit2);
}

void TFRMSC::Edit2KeyPress() {
  if (TextOf(Session.Password) != Edit2->text()) {
    LogNote(QStringLiteral("Password test failed"));
    InfoDialog(QStringLiteral("Invalid password."));
    return;
  }
  LogNote(QStringLiteral("Password test passed"));
  Edit3->setText(TextOf(Session.StudentNames));
  LogNote(QStringLiteral("Student = ") + Edit3->text());
  Edit2->setEnabled(false);
  LoggedIn = true;
  RefreshScreen();
}

void TFRMSC::ShowMeasurementScreen(bool prompt) {
  PromptMode = prompt;  // the measurement screen reads it when it is shown
  ShowScreen(DecayMeasurementScreen);
}

// Go and View of a pair lead to the same screen; the target decides whether it only shows.
void TFRMSC::Button01Click() {
  ShowScreen(SamplePreparationScreen);
}
void TFRMSC::Button02Click() {
  ShowScreen(SamplePreparationScreen);
}
void TFRMSC::Button03Click() {
  ShowMeasurementScreen(true);
}
void TFRMSC::Button04Click() {
  ShowMeasurementScreen(true);
}
void TFRMSC::Button05Click() {
  ShowMeasurementScreen(false);
}
void TFRMSC::Button06Click() {
  ShowMeasurementScreen(false);
}
void TFRMSC::Button07Click() {
  ShowScreen(DecayAnalysisScreen);
}
void TFRMSC::Button08Click() {
  ShowScreen(DecayAnalysisScreen);
}
void TFRMSC::Button09Click() {
  ShowScreen(ExportScreen);
}

void TFRMSC::Button10Click() {
  if (!ConfirmDialog(QStringLiteral("This will erase all data.\nAre you sure?"))) return;
  ResetSession();
  SaveSession();  // a failure is reported by the save; the reset stays in memory
  ShowScreen(SessionControlScreen);
}

void TFRMSC::Button11Click() {
  TerminateProgram();
}
