#include <QtTest>
#include <cmath>
#include <filesystem>
#include <memory>

#include "catalogue/fluorophore_catalogue.h"
#include "e2e/analysis_steps.h"
#include "e2e/program_run.h"
#include "e2e/report_reading.h"
#include "e2e/road_steps.h"
#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/form_font.h"
#include "session/session_file.h"
#include "support/enabled_names.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"
#include "support/system1_text_record.h"

namespace {

constexpr int Measured = 2;  // measurements taken on the road
// Degrees Celsius of the two decays: the session's minimum and 20 degrees above it, where
// system 1's lifetime has fallen by some 15 %, far more than the counting can blur.
constexpr int Temperatures[Measured + 1] = {0, 20, 40};
constexpr int PromptTicks = 200;  // some 200,000 counts
constexpr int DecayTicks = 300;   // some 340,000 counts

// The lifetime the session's activation energy gives at a temperature, with absolute zero at
// -273 degrees Celsius as the instrument takes it.
double LifetimeAt(const TSessionRecord& record, int celsius) {
  constexpr double GasConstant = 0.008314472;  // kJ/(mol K)
  const double minimum = std::trunc(record.MinTemperature) + 273;
  return record.LifetimeAtMinTemp *
         std::exp(record.ActivationEnergy / GasConstant * (1 / (celsius + 273.0) - 1 / minimum));
}

bool Close(double value, double expected, double relative) {
  return std::abs(value - expected) <= relative * std::abs(expected);
}

}  // namespace

class TypicalRoadTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench_;
  std::filesystem::path reportPath_;
  double fittedLifetime_[Measured + 1] = {};

  // Supervisor: session ABC of system 1 with its text record, then "Exit".
  void CreateTheSession() {
    auto run = StartProgram(QStringLiteral("S"));
    QCOMPARE(VisibleScreen(*run), run->SessionCreation.get());
    STEP(CreateRoadSession(*run->SessionCreation));
    QCOMPARE(bench_->recorder.infos, QStringList{QStringLiteral("Session file created.")});
    QCOMPARE(std::filesystem::file_size(SessionFilePath("ABC")), SessionRecordSize);
    const std::vector<char> textRecord = FileBytes("Sessions/ABC.txt");
    QCOMPARE(std::string(textRecord.begin(), textRecord.end()), std::string(System1TextRecord));
    Click(run->SessionCreation->Button2);
    QCOMPARE(bench_->recorder.exitCode, 0);
  }

  // Student, a new start of the program: everything from the login to the export.
  void WorkTheSession() {
    auto run = StartProgram(QString());
    TFRMSC& sc = *run->SessionControl;
    QCOMPARE(VisibleScreen(*run), &sc);
    STEP(LogIn(sc));
    QVERIFY(sc.Button01->isEnabled() && !sc.Button07->isEnabled());

    Click(sc.Button01);
    STEP(PrepareSample(*run->SamplePreparation));
    STEP(Arrive(&sc));
    QVERIFY(sc.CheckBox1->isChecked());

    TFRMTC& tc = *run->DecayMeasurement;
    for (int m = 1; m <= Measured; ++m) {
      STEP(ChooseMeasurement(sc, m));
      Click(sc.Button03);
      STEP(SetUpPrompt(tc));
      STEP(Count(tc, PromptTicks));
      Click(tc.Button5);
      STEP(Arrive(&sc));
      Click(sc.Button05);
      STEP(SetUpDecay(tc, Temperatures[m]));
      STEP(Count(tc, DecayTicks));
      Click(tc.Button5);
      STEP(Arrive(&sc));
      QVERIFY(sc.CheckBox2->isChecked() && sc.CheckBox3->isChecked());
      QVERIFY(sc.Button07->isEnabled());
    }

    TFRMDA& da = *run->DecayAnalysis;
    for (int m = 1; m <= Measured; ++m) {
      STEP(ChooseMeasurement(sc, m));
      Click(sc.Button07);
      if (m == 1) {
        STEP(TypeAnalysisSettings(da, RoadRanges, RoadTimeCalibration));
      } else {  // the next measurement starts from the settings used last
        STEP(Arrive(&da));
        STEP(ExpectAnalysisSettings(da, RoadRanges, RoadTimeCalibration));
      }
      STEP(AnalyseForLeastChiSquared(da, fittedLifetime_[m]));
      Click(da.Button2);
      STEP(Arrive(&sc));
      QVERIFY(sc.CheckBox4->isChecked() && sc.Button08->isEnabled());
    }

    // A saved analysis is only shown again.
    STEP(ChooseMeasurement(sc, 1));
    Click(sc.Button08);
    STEP(Arrive(&da));
    QCOMPARE(
        da.Label11->text(),
        QStringLiteral("Lifetime = %1").arg(static_cast<float>(fittedLifetime_[1]), 0, 'f', 2));
    QCOMPARE(EnabledNames(
                 {da.Button1, da.Button2, da.Button3, da.Button4, da.Edit1, da.Edit3, da.Edit6}),
             QStringList{"Button1"});
    Click(da.Button1);
    STEP(Arrive(&sc));

    TFRMEX& ex = *run->Export;
    Click(sc.Button09);
    STEP(Arrive(&ex));
    Click(ex.ButtonA);  // ticks only what holds saved data
    QVERIFY(ex.CheckBoxS->isChecked() && ex.CheckBox02A->isChecked());
    QVERIFY(!ex.CheckBox03P->isChecked() && !ex.CheckBox10A->isChecked());
    bench_->recorder.saveFileAnswer = QString::fromStdString(reportPath_.string());
    Click(ex.Button1);
    QCOMPARE(bench_->recorder.saveRequests.size(), 1);
    QCOMPARE(bench_->recorder.saveRequests[0].DefaultExtension, QStringLiteral("txt"));
    QCOMPARE(bench_->recorder.saveRequests[0].InitialName, QStringLiteral("export"));
    Click(ex.Button2);
    STEP(Arrive(&sc));
    QCOMPARE(bench_->recorder.infos.size(), 1);  // nothing since the supervisor's
  }

  void CheckTheSessionFile() {
    QCOMPARE(std::filesystem::file_size(SessionFilePath("ABC")), SessionRecordSize);
    const auto saved = ReadSavedSession("ABC");
    const TSessionRecord& r = *saved;
    QCOMPARE(r.Signature.Text(), std::string("Qelti - Vostrelin Experiment"));
    QCOMPARE(r.SessionReference.Text(), std::string("ABC"));
    QCOMPARE(r.Password.Text(), std::string("secret"));
    QCOMPARE(r.StudentNames.Text(), std::string("A. Student"));
    QCOMPARE(r.SystemNumber, 1);
    QCOMPARE(r.LifetimeAtMinTemp, DefaultLifetime(1));
    QCOMPARE(r.ActivationEnergy, DefaultActivationEnergy(1));

    // The preparation: 200 ul of the stock into the dilution flask, the concentration as the
    // filled quantities give it.
    QVERIFY(r.SamplePrepared);
    QCOMPARE(r.AliquotIndex, 7);
    QVERIFY(r.SampleWeight >= 1 && r.StockVolume >= 1 && r.DilutionVolume >= 1);
    const double concentration = r.FluorophorePercent / 100 * 2.0e-4 * r.SampleWeight * 1000 /
                                 (r.StockVolume * r.MolecularWeight * r.DilutionVolume);
    QVERIFY(Close(r.SampleConcentration, concentration, 1e-5));

    QCOMPARE(r.CurrentMeasurement, 1);  // chosen last, to view analysis 1
    for (int m = 1; m <= MeasurementCount; ++m) {
      const bool taken = m <= Measured;
      QCOMPARE(bool(r.PromptRecorded[m]), taken);
      QCOMPARE(bool(r.DecayRecorded[m]), taken);
      QCOMPARE(bool(r.AnalysisSaved[m]), taken);
      QCOMPARE(TotalCounts(r.PromptCounts[m]) > 20000, taken);
      QCOMPARE(TotalCounts(r.DecayCounts[m]) > 50000, taken);
      if (!taken) {
        QCOMPARE(TotalCounts(r.PromptCounts[m]), 0);
        QCOMPARE(TotalCounts(r.DecayCounts[m]), 0);
      }
    }

    // The instrument as the last decay left it.
    QCOMPARE(r.ExcitationWavelength, ExcitationNm * 10);
    QCOMPARE(r.EmissionWavelength, EmissionNm * 10);
    QCOMPARE(r.SampleTemperature, Temperatures[Measured] * 100);
    QCOMPARE(r.TacRange, 2);
    QCOMPARE(r.LampIndex, 6);
    QVERIFY(r.LampOn && r.DetectorOn && r.ExcitationShutterOpen && r.EmissionShutterOpen);
    QCOMPARE(r.EmissionFilter, 1);
    QCOMPARE(r.ExcitationBandpass, 2);
    QCOMPARE(r.EmissionBandpass, 3);

    const float calibration = RoadTimeCalibration.toFloat();
    for (int m = 1; m <= Measured; ++m) {
      QCOMPARE(r.AnaBackgroundLow[m], RoadRanges.BackgroundLow);
      QCOMPARE(r.AnaBackgroundHigh[m], RoadRanges.BackgroundHigh);
      QCOMPARE(r.AnaDecayLow[m], RoadRanges.DecayLow);
      QCOMPARE(r.AnaDecayHigh[m], RoadRanges.DecayHigh);
      QCOMPARE(r.AnaTimeCalibration[m], calibration);
      QCOMPARE(r.AnaLifetime[m], float(fittedLifetime_[m]));
      QVERIFY2(r.AnaChiSquared[m] > 0.8f && r.AnaChiSquared[m] < 1.4f,
               qPrintable(QString::number(r.AnaChiSquared[m])));
      // The fitted lifetime follows the temperature law. The counting spreads it by a few
      // tenths of a percent; the fit's weighting by the counts themselves and the slight
      // pile-up leave it about 1 % short at these counts.
      const double expected = LifetimeAt(r, Temperatures[m]);
      QVERIFY2(
          Close(r.AnaLifetime[m], expected, 0.03),
          qPrintable(
              QStringLiteral("%1 ns fitted, %2 ns expected").arg(r.AnaLifetime[m]).arg(expected)));
      QVERIFY(r.AnaFittedCurve[m][RoadRanges.DecayLow + 100] > 0);
    }
    QVERIFY(r.AnaLifetime[2] < r.AnaLifetime[1]);  // hotter, shorter
    for (int m = Measured + 1; m <= MeasurementCount; ++m) QCOMPARE(r.AnaLifetime[m], 0.0f);
    QCOMPARE(r.LastBackgroundLow, RoadRanges.BackgroundLow);
    QCOMPARE(r.LastDecayHigh, RoadRanges.DecayHigh);
    QCOMPARE(r.LastTimeCalibration, calibration);
  }

  void CheckTheReport() {
    const auto saved = ReadSavedSession("ABC");
    const TSessionRecord& r = *saved;
    const ReadReport report = ReadReportFile(reportPath_);
    QVERIFY(report.LinesEndInCrLf);
    QVERIFY(report.WellFormed);
    QCOMPARE(report.Header.size(), 6);
    QCOMPARE(report.Header[0], QStringLiteral("Qelti - Vostrelin Experiment"));
    QCOMPARE(report.Header[1], QString());
    QVERIFY(report.Header[2].startsWith(QStringLiteral("Report  : ")));
    QVERIFY(report.Header[2].endsWith(QLatin1Char('.')));
    QCOMPARE(report.Header[3], QStringLiteral("Session : ABC"));
    QCOMPARE(report.Header[4], QStringLiteral("Student : A. Student"));
    QCOMPARE(report.Header[5], QString());

    QStringList headings;
    for (const ReportBlock& block : report.Blocks) headings << block.Heading;
    QCOMPARE(headings, (QStringList{"Sample spectra:", "Prompt 1:", "Decay 1:", "Analysis 1:",
                                    "Prompt 2:", "Decay 2:", "Analysis 2:"}));

    // Each number written reads back as the stored value.
    const auto sameFloat = [](const QString& field, float stored) {
      return field.size() == 16 && field.toFloat() == stored;
    };
    const ReportBlock& sample = report.Blocks[0];
    QCOMPARE(sample.Columns,
             QStringLiteral("wavelength,solvent absorption,solute absorption,fluorescence"));
    QCOMPARE(sample.Rows.size(), LastWavelength - FirstWavelength + 1);
    for (int nm = FirstWavelength; nm <= LastWavelength; ++nm) {
      const QStringList& row = sample.Rows[nm - FirstWavelength];
      QCOMPARE(row.size(), 4);
      QCOMPARE(row[0], QString::number(nm));
      QVERIFY(sameFloat(row[1], r.SolventAbsorption[nm]));
      QVERIFY(sameFloat(row[2], r.SoluteAbsorption[nm]));
      QVERIFY(sameFloat(row[3], r.FluorescenceSpectrum[nm]));
    }

    for (int m = 1; m <= Measured; ++m) {
      const ReportBlock& prompt = report.Blocks[3 * m - 2];
      const ReportBlock& decay = report.Blocks[3 * m - 1];
      for (const auto& [block, counts] :
           {std::pair{&prompt, &r.PromptCounts[m]}, std::pair{&decay, &r.DecayCounts[m]}}) {
        QCOMPARE(block->Columns, QStringLiteral("channel,count"));
        QCOMPARE(block->Rows.size(), ChannelCount - 1);
        for (int c = 1; c < ChannelCount; ++c)
          QCOMPARE(block->Rows[c - 1],
                   (QStringList{QString::number(c), QString::number((*counts)[c])}));
      }
      const ReportBlock& analysis = report.Blocks[3 * m];
      QCOMPARE(analysis.Columns, QStringLiteral("channel,fitted function,residuals"));
      QCOMPARE(analysis.Rows.size(), RoadRanges.DecayHigh - RoadRanges.DecayLow + 1);
      for (int c = RoadRanges.DecayLow; c <= RoadRanges.DecayHigh; ++c) {
        const QStringList& row = analysis.Rows[c - RoadRanges.DecayLow];
        QCOMPARE(row[0], QString::number(c));
        QVERIFY(sameFloat(row[1], r.AnaFittedCurve[m][c]));
        QVERIFY(sameFloat(row[2], r.AnaResiduals[m][c]));
      }
    }
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  void aSessionWalkedFromCreationToTheReport() {
    bench_ = std::make_unique<ScreenBench>();
    reportPath_ = bench_->folder.Path() / "road report.txt";
    STEP(CreateTheSession());
    STEP(WorkTheSession());
    STEP(CheckTheSessionFile());
    STEP(CheckTheReport());
  }

  void cleanupTestCase() { bench_.reset(); }
};

QTEST_MAIN(TypicalRoadTest)
#include "typical_road_test.moc"
