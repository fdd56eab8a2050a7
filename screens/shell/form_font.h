#pragma once

#include <QFont>

// The forms are laid out in fixed pixels for 8-point Tahoma (11 pixels high). Uses the
// Tahoma-metric font when the system has it, else a sans font small enough for every caption
// to fit its place. Call once after the application object exists.
void UseFormFont();

// The form font at another pixel size (for titles drawn larger).
QFont FormFont(int pixelSize);
