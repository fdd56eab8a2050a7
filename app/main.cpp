#include <QApplication>
#include <QStringList>

#include "app/program.h"
#include "model/random.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/form_font.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  UseFormFont();
  ConnectCoreMessages();
  SeedRandom(Seams().MillisecondTicks());

  // A missing first argument counts as the empty text; further arguments are ignored.
  const QString firstArgument = QCoreApplication::arguments().value(1);
  const ProgramScreens screens = CreateScreens(firstArgument);
  screens.Startup->show();
  return QApplication::exec();  // runs until TerminateProgram ends the process
}
