#pragma once

#include <QWidget>
#include <memory>

#include "app/program.h"
#include "support/scratch_folder.h"
#include "support/shell_recorder.h"

// What a screen test stands on, for the life of one test: a scratch working folder, every
// dialog answered by a recorder, core messages shown as dialogs, Session all zero bytes and the
// program flags cleared as at start-up. Members end in reverse order: screens, recorder, folder.
struct ScreenBench {
  ScreenBench();

  // Creates the seven screens as the program does, with the start-up screen's clock stopped so
  // that no tick comes from real time; none is shown.
  void CreateAllScreens();

  ScratchFolder folder;
  ShellRecorder recorder;
  std::unique_ptr<ProgramScreens> screens;
};

// Session ABC as created, with its sample prepared and measurement 1 the current one.
void FillPreparedSession();

// Shows the screen as the screen manager's callers do and waits until it is the active window,
// so that focus and keys reach it.
void ArriveAt(int screenId, QWidget* screen);
