#include <QtTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "e2e/analysis_steps.h"
#include "e2e/program_run.h"
#include "e2e/road_steps.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/form_font.h"
#include "support/enabled_names.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"

namespace {

using Bytes = std::vector<char>;

Bytes SessionBytes() {
  return FileBytes(SessionFilePath("ABC"));
}

// Session control's step buttons a student can press.
QStringList EnabledSteps(const TFRMSC& sc) {
  return EnabledNames({sc.Button01, sc.Button02, sc.Button03, sc.Button04, sc.Button05, sc.Button06,
                       sc.Button07, sc.Button08});
}

QStringList TickedSteps(const TFRMSC& sc) {
  return TickedNames({sc.CheckBox1, sc.CheckBox2, sc.CheckBox3, sc.CheckBox4});
}

}  // namespace

// The program is ended between the steps of a session, each time in another way, and started
// again: each new run continues from the session file, which holds exactly what was saved.
class LeaveAndResumeTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench_;
  std::unique_ptr<ProgramScreens> run_;
  Bytes saved_;  // the session file as the last save left it

  // A new start of the program in student mode, logged in to the session.
  void StartStudentRun() {
    run_.reset();  // the previous run's screens go first, as with a process that ended
    bench_->recorder.exitCode.reset();
    run_ = StartProgram(QString());
    LogIn(*run_->SessionControl);
  }

  // Closing a window ends the program (recorded, not done) and writes nothing.
  void CloseAndExpectNothingSaved(QWidget* window) {
    window->close();
    QCOMPARE(bench_->recorder.exitCode, 0);
    QVERIFY(SessionBytes() == saved_);
  }

  void CreateAndCloseTheWindow() {
    run_ = StartProgram(QStringLiteral("S"));
    STEP(CreateRoadSession(*run_->SessionCreation));
    QCOMPARE(bench_->recorder.infos, QStringList{QStringLiteral("Session file created.")});
    saved_ = SessionBytes();
    QCOMPARE(saved_.size(), SessionRecordSize);
    STEP(CloseAndExpectNothingSaved(run_->SessionCreation.get()));
  }

  // A solution made but left by "Return", then "Exit": the file is as the supervisor left it.
  void PrepareWithoutSavingAndExit() {
    STEP(StartStudentRun());
    TFRMSC& sc = *run_->SessionControl;
    Click(sc.Button01);
    STEP(MakeSolution(*run_->SamplePreparation));
    Click(run_->SamplePreparation->ButtonM3);  // "Return"
    STEP(Arrive(&sc));
    QCOMPARE(EnabledSteps(sc), QStringList{"Button01"});
    Click(sc.Button11);  // "Exit"
    QCOMPARE(bench_->recorder.exitCode, 0);
    QVERIFY(SessionBytes() == saved_);
  }

  // The sample and the prompt of measurement 1 saved; a decay counted, then the window closed.
  void CountADecayAndCloseTheWindow() {
    STEP(StartStudentRun());
    TFRMSC& sc = *run_->SessionControl;
    QCOMPARE(EnabledSteps(sc), QStringList{"Button01"});
    QCOMPARE(TickedSteps(sc), QStringList());
    Click(sc.Button01);
    STEP(PrepareSample(*run_->SamplePreparation));
    TFRMTC& tc = *run_->DecayMeasurement;
    Click(sc.Button03);
    STEP(SetUpPrompt(tc));
    STEP(Count(tc, 50));
    Click(tc.Button5);
    saved_ = SessionBytes();
    STEP(Arrive(&sc));
    Click(sc.Button05);
    STEP(SetUpDecay(tc, 20));
    STEP(Count(tc, 50));
    QVERIFY(tc.Label13->text() != QStringLiteral("1 / 0"));  // counts were there to see
    STEP(CloseAndExpectNothingSaved(&tc));
  }

  // What was saved is all back: the sample, the prompt with its counts and the settings it was
  // measured with. The decay is measured again and saved, then analysed and the window closed.
  void ResumeAnalyseAndCloseTheWindow() {
    STEP(StartStudentRun());
    TFRMSC& sc = *run_->SessionControl;
    QCOMPARE(TickedSteps(sc), (QStringList{"CheckBox1", "CheckBox2"}));
    QCOMPARE(EnabledSteps(sc), (QStringList{"Button02", "Button04", "Button05"}));
    const auto file = ReadSavedSession("ABC");
    QVERIFY(file->SamplePrepared && file->SampleConcentration > 0);
    QVERIFY(file->PromptRecorded[1] && !file->DecayRecorded[1]);
    QVERIFY(TotalCounts(file->PromptCounts[1]) > 20000);
    QCOMPARE(TotalCounts(file->DecayCounts[1]), 0);
    QCOMPARE(file->EmissionWavelength, ExcitationNm * 10);  // the prompt's, not the decay's

    // The saved prompt, viewed: its highest count in the peak readout.
    TFRMTC& tc = *run_->DecayMeasurement;
    Click(sc.Button04);
    STEP(Arrive(&tc));
    QVERIFY(!tc.Button1->isEnabled());
    Tick(tc, 1);
    const auto& prompt = file->PromptCounts[1];
    const int highest = *std::max_element(prompt.begin(), prompt.end());
    QVERIFY2(tc.Label13->text().endsWith(QStringLiteral(" / %1").arg(highest)),
             qPrintable(tc.Label13->text()));
    Click(tc.Button4);
    STEP(Arrive(&sc));

    Click(sc.Button05);
    STEP(SetUpDecay(tc, 20));
    STEP(Count(tc, 100));
    Click(tc.Button5);
    saved_ = SessionBytes();
    STEP(Arrive(&sc));
    TFRMDA& da = *run_->DecayAnalysis;
    Click(sc.Button07);
    STEP(TypeAnalysisSettings(da, RoadRanges, RoadTimeCalibration));
    Click(da.Button4);  // "Auto"
    Click(da.Button3);  // "Analyse"
    QVERIFY(da.Label11->text() != QStringLiteral("Lifetime = 0.00"));
    QVERIFY(da.Button2->isEnabled());
    STEP(CloseAndExpectNothingSaved(&da));
  }

  // The analysis and its settings are gone: the analysis starts afresh.
  void FindTheAnalysisGone() {
    STEP(StartStudentRun());
    TFRMSC& sc = *run_->SessionControl;
    QCOMPARE(TickedSteps(sc), (QStringList{"CheckBox1", "CheckBox2", "CheckBox3"}));
    QCOMPARE(EnabledSteps(sc), (QStringList{"Button02", "Button04", "Button06", "Button07"}));
    const auto file = ReadSavedSession("ABC");
    QVERIFY(file->DecayRecorded[1] && !file->AnalysisSaved[1]);
    QVERIFY(TotalCounts(file->DecayCounts[1]) > 20000);
    QCOMPARE(file->AnaLifetime[1], 0.0f);
    QCOMPARE(file->LastTimeCalibration, 0.0f);

    TFRMDA& da = *run_->DecayAnalysis;
    Click(sc.Button07);
    STEP(Arrive(&da));
    STEP(ExpectAnalysisSettings(da, {1, 2, 3, 4}, QStringLiteral("0.00000")));
    QCOMPARE(da.Label11->text(), QStringLiteral("Lifetime = 0.00"));
    QVERIFY(!da.Button2->isEnabled());
    STEP(CloseAndExpectNothingSaved(&da));
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  void aSessionResumesFromWhatWasSaved() {
    bench_ = std::make_unique<ScreenBench>();
    STEP(CreateAndCloseTheWindow());
    STEP(PrepareWithoutSavingAndExit());
    STEP(CountADecayAndCloseTheWindow());
    STEP(ResumeAnalyseAndCloseTheWindow());
    STEP(FindTheAnalysisGone());
    QCOMPARE(bench_->recorder.infos, QStringList{QStringLiteral("Session file created.")});
  }

  void cleanupTestCase() {
    run_.reset();
    bench_.reset();
  }
};

QTEST_MAIN(LeaveAndResumeTest)
#include "leave_and_resume_test.moc"
