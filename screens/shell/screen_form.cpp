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
  setPalette(palette);
  setAutoFillBackground(true);
}

void ScreenForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  TerminateProgram();
}
