#pragma once

#include <QString>

#include "session/record_types.h"

// The session record keeps 8-bit Latin-1 text; characters outside Latin-1 become '?'.
QString TextOf(const String32& text);
void AssignText(String32& target, const QString& text);
