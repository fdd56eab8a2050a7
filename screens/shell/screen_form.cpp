#include "screens/shell/screen_form.h"

#include <QCloseEvent>
#include <QPalette>

#include "screens/shell/dialogs.h"

ScreenForm::ScreenForm(const QString& caption, QSize clientSize, QColor colour)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setFixedSize(clientSize);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colour);
  // The toolkit's light grey for disabled captions nearly vanishes on the bright form colours;
  // a mid grey keeps "not yet available" readable.
  const QColor disabledText(110, 110, 110);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, disabledText);
  setPalette(palette);
  setAutoFillBackground(true);
}

void ScreenForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  TerminateProgram();
}
