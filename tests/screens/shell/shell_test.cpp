#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/program.h"
#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/app_flags.h"
#include "screens/shell/screen_manager.h"
#include "support/shell_recorder.h"

namespace {

// A screen that counts its refreshes.
class CountingScreen : public ScreenForm {
 public:
  CountingScreen() : ScreenForm(QStringLiteral("counting"), QSize(200, 100), Qt::cyan) {}
  void Refresh() override { ++refreshes; }
  int refreshes = 0;
};

QList<ScreenForm*> VisibleScreens(const ProgramScreens& screens) {
  QList<ScreenForm*> visible;
  for (ScreenForm* form : screens.InCreationOrder())
    if (form->isVisible()) visible << form;
  return visible;
}

void RunStartup(const ProgramScreens& screens) {
  for (int tick = 0; tick < TFRMSP::LastTick; ++tick) screens.Startup->Timer1Timer();
}

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void startupDecidesTheModeAtTick30_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("supervisor");
    QTest::newRow("no argument") << QString() << false;
    QTest::newRow("the switch") << QStringLiteral("S") << true;
    QTest::newRow("other case") << QStringLiteral("s") << false;
    QTest::newRow("prefixed") << QStringLiteral("-S") << false;
    QTest::newRow("suffixed") << QStringLiteral("SS") << false;
  }
  void startupDecidesTheModeAtTick30() {
    QFETCH(QString, argument);
    QFETCH(bool, supervisor);
    ShellRecorder recorder;
    const ProgramScreens screens = CreateScreens(argument);
    screens.Startup->show();
    QVERIFY(!SupervisorMode && !LoggedIn && !PromptMode);
    SupervisorMode = !supervisor;  // only tick 30 may change it
    for (int tick = 1; tick < TFRMSP::ModeTick; ++tick) screens.Startup->Timer1Timer();
    QCOMPARE(SupervisorMode, !supervisor);
    screens.Startup->Timer1Timer();
    QCOMPARE(SupervisorMode, supervisor);
    for (int tick = TFRMSP::ModeTick; tick < TFRMSP::LastTick; ++tick)
      screens.Startup->Timer1Timer();

    ScreenForm* expected = supervisor ? static_cast<ScreenForm*>(screens.SessionCreation.get())
                                      : screens.SessionControl.get();
    QCOMPARE(VisibleScreens(screens), QList<ScreenForm*>{expected});
  }

  void progressReaches100ExactlyWhenTheFirstScreenShows() {
    ShellRecorder recorder;
    const ProgramScreens screens = CreateScreens(QString());
    screens.Startup->show();
    QCOMPARE(screens.Startup->ProgressBar1->value(), 0);
    QVERIFY(screens.Startup->Timer1->isActive());
    for (int tick = 1; tick < TFRMSP::LastTick; ++tick) {
      screens.Startup->Timer1Timer();
      QCOMPARE(screens.Startup->ProgressBar1->value(), 2 * tick);
      QVERIFY(screens.Startup->isVisible());
      QVERIFY(screens.Startup->Timer1->isActive());
    }
    screens.Startup->Timer1Timer();
    QCOMPARE(screens.Startup->ProgressBar1->value(), 100);
    QCOMPARE(VisibleScreens(screens), QList<ScreenForm*>{screens.SessionControl.get()});
    QVERIFY(!screens.Startup->Timer1->isActive());
    QCOMPARE(recorder.notes, QStringList{QStringLiteral("Session control activated")});
  }

  void showScreenIgnoresUnknownIdentifiers() {
    ShellRecorder recorder;
    const ProgramScreens screens = CreateScreens(QString());
    screens.Startup->show();
    RunStartup(screens);
    const QPoint place = screens.SessionControl->pos();
    for (int id : {0, 1, 2, 9, -1}) {
      ShowScreen(id);
      QCOMPARE(VisibleScreens(screens), QList<ScreenForm*>{screens.SessionControl.get()});
      QCOMPARE(screens.SessionControl->pos(), place);
    }
    QCOMPARE(recorder.notes.size(), 1);
  }

  void aMovedWindowPassesItsPlaceToTheNextScreen() {
    ShellRecorder recorder;
    const ProgramScreens screens = CreateScreens(QString());
    screens.Startup->show();
    RunStartup(screens);
    screens.SessionControl->move(37, 53);
    ShowScreen(DecayAnalysisScreen);
    QCOMPARE(VisibleScreens(screens), QList<ScreenForm*>{screens.DecayAnalysis.get()});
    QCOMPARE(screens.DecayAnalysis->pos(), QPoint(37, 53));
    QCOMPARE(screens.DecayAnalysis->size(), QSize(528, 516));  // each screen keeps its size
    ShowScreen(DecayMeasurementScreen);
    QCOMPARE(screens.DecayMeasurement->pos(), QPoint(37, 53));
    QCOMPARE(screens.DecayMeasurement->size(), QSize(620, 597));
    QCOMPARE(recorder.notes.last(), QStringLiteral("Photon counter activated"));
  }

  void exactlyTheShownScreenIsVisibleAndRefreshedOnce() {
    ShellRecorder recorder;
    CountingScreen startup;
    std::array<CountingScreen, 6> forms;
    ScreenTable table{{&forms[0], &forms[1], &forms[2], &forms[3], &forms[4], &forms[5]}};
    RegisterScreens(&startup, table);
    startup.show();
    for (int id = SessionControlScreen; id <= ExportScreen; ++id) {
      ShowScreen(id);
      QVERIFY(!startup.isVisible());
      for (int other = SessionControlScreen; other <= ExportScreen; ++other)
        QCOMPARE(table[other]->isVisible(), other == id);
      QCOMPARE(static_cast<CountingScreen*>(table[id])->refreshes, 1);
    }
    QCOMPARE(startup.refreshes, 0);
    RefreshScreen();
    QCOMPARE(static_cast<CountingScreen*>(table[ExportScreen])->refreshes, 2);
    QCOMPARE(recorder.notes,
             (QStringList{"Session control activated", "Sample preparation activated",
                          "Photon counter activated", "Supervisor activated",
                          "Decay analysis activated", "Export activated"}));
  }

  void closingAnyWindowEndsTheProgramWithExitCode0() {
    const ProgramScreens screens = CreateScreens(QString());
    for (ScreenForm* form : screens.InCreationOrder()) {
      ShellRecorder recorder;
      form->show();
      QVERIFY(!form->close());  // the close is refused
      QVERIFY(form->isVisible());
      QCOMPARE(recorder.exitCode, std::optional<int>(0));
      QCOMPARE(recorder.notes, QStringList{QStringLiteral("Program terminated")});
      form->hide();
    }
  }

  void screensHaveTheirCaptionsAndFixedSizes() {
    const ProgramScreens s = CreateScreens(QString());
    const struct {
      ScreenForm* form;
      const char* caption;
      QSize size;
    } expected[] = {
        {s.Startup.get(), "Qelti Limited - Vostrelin Temperature Behaviour Experiment", {620, 600}},
        {s.SessionControl.get(), "Qelti - Vostrelin Experiment - Session Control", {620, 600}},
        {s.SamplePreparation.get(),
         "Qelti - Vostrelin Experiment - Sample Preparation",
         {620, 600}},
        {s.DecayMeasurement.get(), "Qelti - Lumidor - Decay Measurement", {620, 597}},
        {s.SessionCreation.get(),
         "Qelti - Vostrelin Experiment - Session File Creation",
         {620, 600}},
        {s.DecayAnalysis.get(), "Qelti - Lumidor - Decay Analysis", {528, 516}},
        {s.Export.get(), "Qelti - Vostrelin Experiment - Export", {620, 600}},
    };
    for (const auto& e : expected) {
      QCOMPARE(e.form->windowTitle(), QString::fromLatin1(e.caption));
      QCOMPARE(e.form->size(), e.size);
      QCOMPARE(e.form->minimumSize(), e.size);
      QCOMPARE(e.form->maximumSize(), e.size);
    }
  }

  // The real boxes: answer them the way a user would, from inside their own event loop.
  void confirmDialogIsTrueOnlyForYes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes") << int(Qt::Key_Y) << true;
    QTest::newRow("No") << int(Qt::Key_N) << false;
    QTest::newRow("dismissed") << int(Qt::Key_Escape) << false;
  }
  void confirmDialogIsTrueOnlyForYes() {
    QFETCH(int, key);
    QFETCH(bool, answer);
    RestoreRealSeams();
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      caption = box->windowTitle();
      icon = box->icon();
      if (key == Qt::Key_Escape) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(key == Qt::Key_Y ? QMessageBox::Yes : QMessageBox::No)->click();
      }
    });
    QCOMPARE(ConfirmDialog(QStringLiteral("This will erase all data.\nAre you sure?")), answer);
    QCOMPARE(caption, QStringLiteral("Vostrelin"));
    QCOMPARE(icon, QMessageBox::Warning);
  }

  void infoDialogIsAnInformationBoxWithOk() {
    RestoreRealSeams();
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    InfoDialog(QStringLiteral("File creation failed."));
    QCOMPARE(caption, QStringLiteral("Vostrelin"));
    QCOMPARE(text, QStringLiteral("File creation failed."));
    QCOMPARE(icon, QMessageBox::Information);
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
