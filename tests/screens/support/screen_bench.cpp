#include "support/screen_bench.h"

#include <QtTest>
#include <cstring>

#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/screen_manager.h"
#include "session/session_record.h"
#include "support/created_session.h"

ScreenBench::ScreenBench() {
  ConnectCoreMessages();
  std::memset(&Session, 0, sizeof Session);
  SupervisorMode = LoggedIn = PromptMode = false;
}

void ScreenBench::CreateAllScreens() {
  screens = std::make_unique<ProgramScreens>(CreateScreens(QString()));
  screens->Startup->Timer1->stop();
}

void FillPreparedSession() {
  FillCreatedSession("ABC");
  Session.SamplePrepared = true;
  Session.CurrentMeasurement = 1;
}

void ArriveAt(int screenId, QWidget* screen) {
  ShowScreen(screenId);
  QVERIFY(QTest::qWaitForWindowActive(screen));
  QTRY_VERIFY(screen->isActiveWindow());  // a window shown again is activated a little later
}
