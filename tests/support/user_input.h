#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QString>

// What a user does with the mouse and the keyboard, delivered to one control as real input
// events. Shared by the end-to-end tests and the tool that pictures the screens.

void Click(QWidget* control);
// Clicks the indicator of a check box or radio button, where a user aims, only when it does
// not show the wanted state. True when it shows the wanted state afterwards.
[[nodiscard]] bool SetTicked(QAbstractButton* box, bool ticked);
// Replaces the field's text by typing and confirms it with Enter.
void TypeAndEnter(QLineEdit* field, const QString& text);
// Moves a closed drop-down list with the arrow keys to the entry with the text.
void Pick(QComboBox* list, const QString& text);
