#pragma once

#include <QString>
#include <memory>

#include "app/program.h"
#include "support/user_input.h"  // the user actions the runs are driven with

class ScreenForm;

// Starts the program as its entry does, one start per call: Session all zero bytes, the
// generator seeded from the clock, the seven screens created and the start-up screen shown,
// then its fifty ticks, after which the first screen of the mode stands alone. The screens of
// an earlier start must have been destroyed first.
std::unique_ptr<ProgramScreens> StartProgram(const QString& firstArgument);

// The one visible screen, or none when not exactly one is visible.
ScreenForm* VisibleScreen(const ProgramScreens& screens);

// Waits until the screen, just shown, is the active window, so that focus and keys reach it.
void Arrive(QWidget* screen);
