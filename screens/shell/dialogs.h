#pragma once

#include <QString>
#include <cstdint>
#include <functional>

// Everything a screen does that a headless test cannot: message boxes, the file-save dialog,
// ending the process, the activity notes and the clock. The program uses the real ones; tests
// replace them through Seams().

struct SaveFileRequest {
  QString DefaultExtension;  // without the dot, e.g. "txt"
  QString InitialName;
  QString Filter;
};

struct ShellSeams {
  std::function<void(const QString& text)> Info;
  std::function<bool(const QString& text)> Confirm;
  std::function<QString(const SaveFileRequest& request)> SaveFileName;  // empty when cancelled
  std::function<void(int exitCode)> EndProcess;
  std::function<void(const QString& text)> Note;
  std::function<std::uint32_t()> MillisecondTicks;
};

// The seams in use; assign a member to replace it, RestoreRealSeams() to go back.
ShellSeams& Seams();
void RestoreRealSeams();

// Modal information box: caption "Vostrelin", information icon, OK.
void InfoDialog(const QString& text);
// Modal question box: caption "Vostrelin", warning icon, Yes and No; true only for Yes.
bool ConfirmDialog(const QString& text);
// Modal file-save dialog; the chosen path, or empty when cancelled.
QString SaveFileDialog(const SaveFileRequest& request);
// Activity notes at fixed events. Kept nowhere unless VOSTRELIN_NOTES is set in the
// environment, in which case they are printed to standard error.
void LogNote(const QString& text);
// Ends the program at once with exit code 0. Nothing is saved and nothing is asked.
void TerminateProgram();

// Routes the core's failure messages (session file errors) to InfoDialog.
void ConnectCoreMessages();
