// The session file fuzz target: arbitrary bytes are written where the session loader reads,
// loaded, and every student screen is then shown on the result, for every measurement. A
// damaged or foreign file must neither crash a screen nor make one index outside its arrays.

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>

#include "app/program.h"
#include "model/session_creation.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/created_session.h"
#include "support/scratch_folder.h"
#include "support/shell_recorder.h"

namespace {

constexpr const char* FuzzReference = "FUZZ";

// The offscreen platform cannot raise a window; saying so at every screen change would bury
// the fuzzer's own output.
void QuietRaiseWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.contains(QStringLiteral("does not support raise()"))) return;
  std::fprintf(stderr, "Qt %d: %s\n", static_cast<int>(type), qPrintable(message));
}

QApplication& OffscreenApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietRaiseWarnings);
  static int argc = 1;
  static char name[] = "session_fuzz";
  static char* argv[] = {name, nullptr};
  static auto* application = new QApplication(argc, argv);
  return *application;
}

// Everything one run of inputs shares, built once: the screens in a scratch working folder,
// with every dialog and the program's end replaced by a recorder. The application and the
// screens are never destroyed: taking widgets down among Qt's own clean-up at process exit is
// no part of what is tested. The scratch folder is removed at exit.
struct FuzzHarness {
  QApplication& application = OffscreenApplication();
  ScratchFolder folder;
  ShellRecorder recorder;
  ProgramScreens& screens = *new ProgramScreens(CreateScreens(QString()));
  // The session the student had loaded before: a file the loader refuses leaves it in place.
  std::unique_ptr<TSessionRecord> previous = std::make_unique<TSessionRecord>();

  FuzzHarness() {
    // The start-up sequence is not what is tested; its timer must not show a screen itself.
    screens.Startup->Timer1->stop();
    FillCreatedSession("PREVIOUS");
    CopySystemSpectra(Session, 1);
    *previous = Session;
  }
};

void WriteSessionFile(const std::uint8_t* data, std::size_t size) {
  std::ofstream file(std::string(SessionFolder) + "/" + FuzzReference + ".qlx",
                     std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Shows a screen and lets it paint, as the event loop does before the user's next action.
// Without this the show and paint events would pile up from one input to the next.
void Show(int screen) {
  ShowScreen(screen);
  QApplication::processEvents();
}

// The measurement screen in one mode; where it records, it also loads the sample, starts
// counting and runs one tick, so the count model meets the loaded parameters.
void MeasureOnce(TFRMTC& screen, bool prompt) {
  PromptMode = prompt;
  Show(DecayMeasurementScreen);
  if (screen.Button1->isEnabled()) {
    screen.Button1Click();
    screen.Button2Click();
  }
  screen.Timer1Timer();
  QApplication::processEvents();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzHarness harness;
  WriteSessionFile(data, size);
  Session = *harness.previous;
  LoadSession(FuzzReference);
  LoggedIn = true;

  Show(SessionControlScreen);
  Show(SamplePreparationScreen);
  harness.screens.SamplePreparation->Timer1Timer();
  for (const bool prompt : {true, false}) MeasureOnce(*harness.screens.DecayMeasurement, prompt);

  for (int m = 1; m <= MeasurementCount; ++m) {
    Session.CurrentMeasurement = m;
    Show(SessionControlScreen);
    for (const bool prompt : {true, false}) {
      PromptMode = prompt;
      Show(DecayMeasurementScreen);
    }
    Show(DecayAnalysisScreen);
  }
  Show(ExportScreen);
  return 0;
}
