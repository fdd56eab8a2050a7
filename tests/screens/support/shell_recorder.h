#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "screens/shell/dialogs.h"

// Replaces every shell seam with a recorder for the lifetime of a test: message boxes return
// the prepared answer, the process is never ended, notes are kept.
class ShellRecorder {
 public:
  ShellRecorder() {
    Seams().Info = [this](const QString& text) { infos << text; };
    Seams().Confirm = [this](const QString& text) {
      questions << text;
      return confirmAnswer;
    };
    Seams().SaveFileName = [this](const SaveFileRequest& request) {
      saveRequests.push_back(request);
      return saveFileAnswer;
    };
    Seams().EndProcess = [this](int code) { exitCode = code; };
    Seams().Note = [this](const QString& text) { notes << text; };
    Seams().MillisecondTicks = [] { return 12345u; };
  }
  ~ShellRecorder() { RestoreRealSeams(); }
  ShellRecorder(const ShellRecorder&) = delete;
  ShellRecorder& operator=(const ShellRecorder&) = delete;

  QStringList infos;
  QStringList questions;
  QStringList notes;
  QList<SaveFileRequest> saveRequests;
  std::optional<int> exitCode;
  bool confirmAnswer = false;
  QString saveFileAnswer;
};
