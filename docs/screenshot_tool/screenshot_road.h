#pragma once

#include <QString>
#include <functional>

class ScreenForm;

// The typical road through the program, driven through the screens' controls as a supervisor
// and a student would, with a picture taken at each typical state. A step that does not find
// on screen what a user would see stops the road with a message.

// Takes the picture of a screen under the given name (without extension).
using TakePicture = std::function<void(ScreenForm& screen, const QString& name)>;

// Runs the whole road in the current working directory, which must hold a Sessions folder.
// Returns an empty text, or what went wrong.
QString RunScreenshotRoad(const TakePicture& take);
