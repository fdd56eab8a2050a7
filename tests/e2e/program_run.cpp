#include "e2e/program_run.h"

#include <QtTest>
#include <cstring>

#include "model/random.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/screen_form.h"
#include "session/session_record.h"

std::unique_ptr<ProgramScreens> StartProgram(const QString& firstArgument) {
  std::memset(&Session, 0, sizeof Session);
  SeedRandom(Seams().MillisecondTicks());
  auto screens = std::make_unique<ProgramScreens>(CreateScreens(firstArgument));
  TFRMSP& startup = *screens->Startup;
  startup.Timer1->stop();  // its ticks are driven below, none by the clock
  startup.show();
  if (!QTest::qWaitForWindowActive(&startup)) return screens;
  for (int tick = 0; tick < TFRMSP::LastTick; ++tick) startup.Timer1Timer();
  return screens;
}

ScreenForm* VisibleScreen(const ProgramScreens& screens) {
  ScreenForm* visible = nullptr;
  for (ScreenForm* screen : screens.InCreationOrder()) {
    if (!screen->isVisible()) continue;
    if (visible != nullptr) return nullptr;
    visible = screen;
  }
  return visible;
}

void Arrive(QWidget* screen) {
  QVERIFY(screen->isVisible());
  QVERIFY(QTest::qWaitForWindowActive(screen));
  QTRY_VERIFY(screen->isActiveWindow());  // a window shown again is activated a little later
}
