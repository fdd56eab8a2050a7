#include "screens/shell/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "session/user_message.h"

namespace {

const QString Caption = QStringLiteral("Vostrelin");

void RealInfo(const QString& text) {
  QMessageBox box(QMessageBox::Information, Caption, text, QMessageBox::Ok);
  box.exec();
}

bool RealConfirm(const QString& text) {
  QMessageBox box(QMessageBox::Warning, Caption, text, QMessageBox::Yes | QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

QString RealSaveFileName(const SaveFileRequest& request) {
  QFileDialog dialog(nullptr, QString(), request.InitialName, request.Filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.DefaultExtension);
  // Choosing an existing file means replacing it, without a further question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void RealEndProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);  // at once: no event loop, no destructors, nothing saved
}

void RealNote(const QString& text) {
  static const bool printNotes = std::getenv("VOSTRELIN_NOTES") != nullptr;
  if (printNotes) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

std::uint32_t RealMillisecondTicks() {
  const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot).count());
}

ShellSeams RealSeams() {
  return {RealInfo, RealConfirm, RealSaveFileName, RealEndProcess, RealNote, RealMillisecondTicks};
}

}  // namespace

ShellSeams& Seams() {
  static ShellSeams seams = RealSeams();
  return seams;
}

void RestoreRealSeams() {
  Seams() = RealSeams();
}

void InfoDialog(const QString& text) {
  Seams().Info(text);
}

bool ConfirmDialog(const QString& text) {
  return Seams().Confirm(text);
}

QString SaveFileDialog(const SaveFileRequest& request) {
  return Seams().SaveFileName(request);
}

void LogNote(const QString& text) {
  Seams().Note(text);
}

void TerminateProgram() {
  LogNote(QStringLiteral("Program terminated"));
  Seams().EndProcess(0);
}

void ConnectCoreMessages() {
  SetUserMessageHandler([](const std::string& text) { InfoDialog(QString::fromStdString(text)); });
}
