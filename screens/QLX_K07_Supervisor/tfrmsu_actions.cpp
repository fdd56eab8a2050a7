// What the session file creation screen does: refresh, system defaults and generation.
#include "screens/QLX_K07_Supervisor/tfrmsu.h"

#include <string>

#include "catalogue/fluorophore_catalogue.h"
#include "model/parameter_text.h"
#include "model/session_creation.h"
#include "model/session_text_record.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/latin1_text.h"
#include "session/session_file.h"
#include "session/session_record.h"

namespace {

const QString InvalidFilenameMessage = QStringLiteral("Invalid filename.");
const QString CreatedMessage = QStringLiteral("Session file created.");
// A text record the supervisor asked for must not go missing unnoticed.
const QString TextRecordFailedMessage = QStringLiteral("Text record creation failed.");

// The 8-bit text the session record and the text record keep (the fields accept no other).
std::string Latin1(const QString& text) {
  return text.toLatin1().toStdString();
}

QString Shown(float parameter) {
  return QString::fromLatin1(FormatParameter(parameter));
}

}  // namespace

void TFRMSU::Refresh() {
  ClearCreationScreen();
  ResetSession();
  EditT1->setFocus();  // the supervisor starts with the reference
}

void TFRMSU::ClearCreationScreen() {
  EditT1->clear();
  EditT2->clear();
  EditT3->clear();
  ComboBox1->setCurrentIndex(0);
  ShowSystemDefaults(1);
}

void TFRMSU::ComboBox1Change() {
  ShowSystemDefaults(ComboBox1->currentIndex() + 1);
}

void TFRMSU::ShowSystemDefaults(int system) {
  for (int parameter = 1; parameter <= ParameterCount; ++parameter)
    parameterFields_[parameter]->setText(Shown(ParameterRules()[parameter].Default(system)));
}

void TFRMSU::Button1Click() {
  Session.Signature.Assign(SessionSignature);
  if (!IsUsableReference(Latin1(EditT1->text()))) {
    EditT1->setFocus();
    InfoDialog(InvalidFilenameMessage);
    return;
  }
  AssignText(Session.SessionReference, EditT1->text());
  AssignText(Session.Password, EditT2->text());
  AssignText(Session.StudentNames, EditT3->text());
  Session.SystemNumber = ComboBox1->currentIndex() + 1;
  if (!AcceptParameters()) return;

  CopySystemSpectra(Session, Session.SystemNumber);
  if (SaveSession()) InfoDialog(CreatedMessage);  // a failure has been shown by SaveSession
  if (CheckBox1->isChecked()) SaveTextRecord();
}

bool TFRMSU::AcceptParameters() {
  for (int parameter = 1; parameter <= ParameterCount; ++parameter) {
    QLineEdit* field = parameterFields_[parameter];
    const auto value = AcceptParameter(Session, parameter, Latin1(field->text()));
    if (!value) {
      field->setFocus();
      InfoDialog(QString::fromLatin1(ParameterRules()[parameter].Message));
      return false;
    }
    field->setText(Shown(*value));
  }
  return true;
}

void TFRMSU::SaveTextRecord() {
  SessionTextRecordEntries entries{Latin1(EditT1->text()),
                                   Latin1(EditT2->text()),
                                   Latin1(EditT3->text()),
                                   SystemName(Session.SystemNumber),
                                   {}};
  for (int parameter = 1; parameter <= ParameterCount; ++parameter)
    entries.Parameters[parameter] = Latin1(parameterFields_[parameter]->text());
  if (!WriteSessionTextRecord(entries)) InfoDialog(TextRecordFailedMessage);
}

void TFRMSU::Button2Click() {
  TerminateProgram();
}
