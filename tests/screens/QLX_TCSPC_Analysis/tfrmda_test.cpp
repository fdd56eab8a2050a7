#include <QtTest>
#include <cmath>
#include <memory>

#include "app/program.h"
#include "model/analysis_ranges.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/form_font.h"
#include "screens/shell/screen_manager.h"
#include "session/session_file.h"
#include "session/session_record.h"
#include "support/enabled_names.h"
#include "support/saved_session.h"
#include "support/screen_bench.h"
#include "support/user_input.h"

namespace {

const QColor Green(0, 255, 0);
const QColor Black(0, 0, 0);

// Measurement 1 as the spectrometer records it: a narrow prompt at channel 200 on a background
// of 10 counts, and the decay of a 5 ns lifetime (100 channels of 0.05 ns) excited by it on a
// background of 5 counts.
void RecordMeasurement() {
  Histogram& prompt = Session.PromptCounts[1];
  Histogram& decay = Session.DecayCounts[1];
  double excited = 0.0;
  for (int c = 1; c <= ChannelCount; ++c) {
    const double pulse = 10000.0 * std::exp(-0.5 * std::pow((c - 200) / 3.0, 2));
    excited = excited * std::exp(-1.0 / 100.0) + pulse * 0.1;
    prompt[c] = static_cast<std::int32_t>(std::lround(pulse)) + 10;
    decay[c] = static_cast<std::int32_t>(std::lround(excited)) + 5;
  }
  Session.PromptRecorded[1] = true;
  Session.DecayRecorded[1] = true;
}

QStringList Texts(std::initializer_list<const QLineEdit*> edits) {
  QStringList texts;
  for (const QLineEdit* edit : edits) texts << edit->text();
  return texts;
}

}  // namespace

class DecayAnalysisTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ScreenBench> bench;
  TFRMDA* da = nullptr;

  // Enters the screen as session control's buttons do.
  void Open() { ArriveAt(DecayAnalysisScreen, da); }

  QStringList Ranges() const { return Texts({da->Edit1, da->Edit2, da->Edit4, da->Edit5}); }

  QStringList Enabled() const {
    return EnabledNames({da->Button1, da->Button2, da->Button3, da->Button4, da->Edit1, da->Edit2,
                         da->Edit3, da->Edit4, da->Edit5, da->Edit6, da->UpDown1, da->UpDown2,
                         da->UpDown3, da->UpDown4});
  }

  // Clicks where the user clicks on the window, so the click reaches the control under it.
  void ClickPlot(QPoint inPlot) {
    QTest::mouseClick(da->windowHandle(), Qt::LeftButton, {}, da->PaintBox1->mapTo(da, inPlot));
  }

  // The ranges for the recorded measurement: background 1..100, decay 150..1500.
  void SetWorkingRanges() {
    TypeAndEnter(da->Edit2, QStringLiteral("100"));
    TypeAndEnter(da->Edit4, QStringLiteral("150"));
    TypeAndEnter(da->Edit5, QStringLiteral("1500"));
  }

 private slots:
  void initTestCase() { UseFormFont(); }

  void init() {
    bench = std::make_unique<ScreenBench>();
    FillPreparedSession();
    RecordMeasurement();
    QVERIFY(SaveSession());
    bench->CreateAllScreens();
    da = bench->screens->DecayAnalysis.get();
  }

  void cleanup() { bench.reset(); }

  void controlsStandAtTheirPlacesInTabOrder() {
    Open();
    const struct {
      QWidget* control;
      QRect place;
    } places[] = {
        {da->PaintBox1, {8, 8, 514, 200}}, {da->PaintBox2, {8, 216, 514, 50}},
        {da->Edit1, {16, 320, 40, 21}},    {da->Edit2, {96, 320, 40, 21}},
        {da->UpDown1, {64, 300, 17, 44}},  {da->UpDown2, {144, 300, 17, 44}},
        {da->Edit4, {200, 320, 40, 21}},   {da->Edit5, {280, 320, 40, 21}},
        {da->UpDown3, {248, 300, 17, 44}}, {da->UpDown4, {328, 300, 17, 44}},
        {da->Button3, {408, 280, 67, 25}}, {da->Edit3, {17, 431, 64, 21}},
        {da->Edit6, {198, 431, 64, 21}},   {da->Button4, {272, 431, 67, 21}},
        {da->Button1, {455, 427, 67, 25}}, {da->Button2, {369, 463, 154, 25}},
    };
    for (const auto& p : places) QCOMPARE(p.control->geometry(), p.place);
    QCOMPARE(da->size(), QSize(528, 516));
    QCOMPARE(da->windowTitle(), QStringLiteral("Qelti - Lumidor - Decay Analysis"));
    QCOMPARE(da->LabelA->pos(), QPoint(17, 352));
    QCOMPARE(da->LabelB->pos(), QPoint(18, 368));
    QCOMPARE(da->LabelD->pos(), QPoint(200, 368));
    QCOMPARE(da->Label11->pos(), QPoint(384, 313));
    QCOMPARE(da->Label12->pos(), QPoint(384, 336));
    QCOMPARE(da->Button2->text(), QStringLiteral("Save and Return"));
    QCOMPARE(da->Button3->text(), QStringLiteral("Analyse"));
    QCOMPARE(da->Button4->text(), QStringLiteral("Auto"));
    QCOMPARE(da->Label7->text(), QStringLiteral("Time calibration (ns/ch)"));
    QCOMPARE(da->Label10->text(), QStringLiteral("Range 0.1 to 100.0"));

    // Save and Return is disabled, so Tab passes over it back to the first edit.
    const QStringList expected{"Edit1",   "Edit2", "UpDown1", "UpDown1", "UpDown2", "UpDown2",
                               "Edit4",   "Edit5", "UpDown3", "UpDown3", "UpDown4", "UpDown4",
                               "Button3", "Edit3", "Edit6",   "Button4", "Button1", "Edit1"};
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focus = QApplication::focusWidget();
      order << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName()
                                              : focus->objectName());
    }
    QCOMPARE(order, expected);
  }

  void afterAResetTheScreenShowsTheStartValues() {
    Session.PromptCounts[1][1] = 2147483647;  // the sums are wider than one channel's counts
    Session.PromptCounts[1][2] = 2147483647;
    Open();
    QCOMPARE(Ranges(), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(da->UpDown4->Position(), 4);
    QCOMPARE(da->Edit3->text(), QStringLiteral("0.00000"));
    QCOMPARE(da->Edit6->text(), QStringLiteral("0.00"));
    QCOMPARE(da->Label11->text(), QStringLiteral("Lifetime = 0.00"));
    QCOMPARE(da->Label12->text(), QStringLiteral("Chi-squared = 0.0000"));
    QCOMPARE(da->LabelA->text(), QStringLiteral("Prompt counts = 4294967294"));
    QCOMPARE(da->LabelB->text(), QStringLiteral("Decay counts = 10"));
    QCOMPARE(da->LabelC->text(), QStringLiteral("Prompt counts = 20"));
    QCOMPARE(Enabled(),
             (QStringList{"Button1", "Button3", "Button4", "Edit1", "Edit2", "Edit3", "Edit4",
                          "Edit5", "Edit6", "UpDown1", "UpDown2", "UpDown3", "UpDown4"}));
    QCOMPARE(QApplication::focusWidget(), da->Button1);

    // Widened, the decay range shows the fit not yet made flat on the bottom row, and the
    // residuals flat on the zero line.
    TypeAndEnter(da->Edit5, QStringLiteral("800"));
    const QImage data = da->PaintBox1->grab().toImage();
    const QImage residuals = da->PaintBox2->grab().toImage();
    for (int x : {1, 50, 99}) {
      QCOMPARE(data.pixelColor(x, 198), Green);
      QCOMPARE(data.pixelColor(x, 197) == Green, false);
      QCOMPARE(residuals.pixelColor(x, 25), Green);
      QCOMPARE(residuals.pixelColor(x, 24) == Green, false);
    }
    QCOMPARE(residuals.pixelColor(300, 25), Black);
  }

  void analyseNeedsCalibrationThenEstimate() {
    Open();
    SetWorkingRanges();
    QTest::mouseClick(da->Button3, Qt::LeftButton);
    QCOMPARE(bench->recorder.infos, QStringList{"Invalid time calibration."});
    QTest::mouseClick(da->Button4, Qt::LeftButton);
    QCOMPARE(bench->recorder.infos.last(), QStringLiteral("Invalid time calibration."));

    TypeAndEnter(da->Edit3, QStringLiteral("0.05"));
    QCOMPARE(da->Edit3->text(), QStringLiteral("0.05000"));
    QTest::mouseClick(da->Button3, Qt::LeftButton);
    QCOMPARE(bench->recorder.infos.last(), QStringLiteral("Invalid lifetime estimate."));
    QCOMPARE(bench->recorder.infos.size(), 3);
    QVERIFY(!da->Button2->isEnabled());
    QCOMPARE(da->Label12->text(), QStringLiteral("Chi-squared = 0.0000"));

    // The automatic estimate lies near the 5 ns of the recording.
    QTest::mouseClick(da->Button4, Qt::LeftButton);
    const double estimate = da->Edit6->text().toDouble();
    QVERIFY2(estimate > 3.0 && estimate < 7.0, qPrintable(da->Edit6->text()));
    QCOMPARE(da->Label11->text(), QStringLiteral("Lifetime = 0.00"));

    TypeAndEnter(da->Edit6, QStringLiteral("5"));
    QCOMPARE(da->Edit6->text(), QStringLiteral("5.0000"));
    QTest::mouseClick(da->Button3, Qt::LeftButton);
    QCOMPARE(bench->recorder.infos.size(), 3);
    QCOMPARE(da->Label11->text(), QStringLiteral("Lifetime = 5.00"));
    QCOMPARE(da->Label12->text(),
             QStringLiteral("Chi-squared = ") + QString::number(da->Analysis().ChiSquared, 'f', 4));
    QVERIFY(da->Analysis().ChiSquared < 1.0f);  // the model the data were made with
    QCOMPARE(da->Edit6->text(), QStringLiteral("5.00"));
    QVERIFY(da->Button2->isEnabled());
    QCOMPARE(da->LabelD->text(),
             QStringLiteral("Decay counts = %1").arg(RangeSum(Session.DecayCounts[1], 150, 1500)));
    // The fit follows the decay: on screen it lies on the decay's dots at its peak.
    const int peakColumn = (210 - 1) / 8 + 1;
    const QImage data = da->PaintBox1->grab().toImage();
    int greenRows = 0;
    for (int y = 1; y < 120; ++y) greenRows += data.pixelColor(peakColumn, y) == Green ? 1 : 0;
    QVERIFY(greenRows > 0);

    // Leaving and coming back starts a new visit: nothing analysed yet.
    QTest::mouseClick(da->Button1, Qt::LeftButton);
    QVERIFY(bench->screens->SessionControl->isVisible());
    Open();
    QVERIFY(!da->Button2->isEnabled());
    QCOMPARE(Ranges(), (QStringList{"1", "100", "150", "1500"}));
    QCOMPARE(da->Edit3->text(), QStringLiteral("0.05000"));
    QCOMPARE(da->Edit6->text(), QStringLiteral("0.00"));
  }

  void saveAndReturnStoresTheAnalysis() {
    Open();
    SetWorkingRanges();
    TypeAndEnter(da->Edit3, QStringLiteral("0.05"));
    TypeAndEnter(da->Edit6, QStringLiteral("4.5"));
    QTest::mouseClick(da->Button3, Qt::LeftButton);
    const float chiSquared = da->Analysis().ChiSquared;
    QTest::mouseClick(da->Button2, Qt::LeftButton);
    QVERIFY(bench->screens->SessionControl->isVisible());
    const auto file = ReadSavedSession("ABC");
    QVERIFY(file->AnalysisSaved[1]);
    QCOMPARE(file->AnaLifetime[1], 4.5f);
    QCOMPARE(file->AnaChiSquared[1], chiSquared);
    QCOMPARE(file->AnaDecayHigh[1], 1500);
    QCOMPARE(file->LastBackgroundHigh, 100);
    QCOMPARE(file->LastTimeCalibration, 0.05f);

    // Back again, the measurement is only shown.
    Open();
    QCOMPARE(Enabled(), QStringList{"Button1"});
    QCOMPARE(da->Label11->text(), QStringLiteral("Lifetime = 4.50"));
  }

  void rangeEditsFallBackAndHoldHugeNumbers() {
    Open();
    SetWorkingRanges();
    TypeAndEnter(da->Edit2, QStringLiteral("abc"));
    QCOMPARE(Ranges(), (QStringList{"1", "2", "150", "1500"}));
    TypeAndEnter(da->Edit5, QStringLiteral("99999999999"));
    QCOMPARE(Ranges(), (QStringList{"1", "2", "150", "4096"}));
    TypeAndEnter(da->Edit1, QStringLiteral("-99999999999"));
    QCOMPARE(Ranges(), (QStringList{"1", "2", "150", "4096"}));
    // Leaving with Tab takes the text as Enter does.
    da->Edit4->setFocus();
    da->Edit4->selectAll();
    QTest::keyClicks(da->Edit4, QStringLiteral("1.5"));
    QTest::keyClick(da->Edit4, Qt::Key_Tab);
    QCOMPARE(Ranges(), (QStringList{"1", "2", "3", "4096"}));
    QCOMPARE(da->UpDown3->Position(), 3);
  }

  void plotClickSetsTheBoundOfTheFocusedEdit() {
    Open();
    SetWorkingRanges();
    QTest::mouseClick(da->Edit5, Qt::LeftButton);
    ClickPlot({513, 100});  // the frame: held at column 512
    QCOMPARE(da->Edit5->text(), QStringLiteral("4096"));
    QCOMPARE(QApplication::focusWidget(), da->Edit5);
    ClickPlot({100, 100});
    QCOMPARE(da->Edit5->text(), QStringLiteral("800"));

    da->Button1->setFocus();
    ClickPlot({20, 100});
    QCOMPARE(Ranges(), (QStringList{"1", "100", "150", "800"}));
    QVERIFY(bench->screens->DecayAnalysis->isVisible());
  }

  void spinnersGoThroughTheSetters() {
    Open();
    TypeAndEnter(da->Edit1, QStringLiteral("4093"));
    QCOMPARE(Ranges(), (QStringList{"4093", "4094", "4095", "4096"}));
    QTest::mouseClick(da->UpDown1->UpArrow, Qt::LeftButton);
    QCOMPARE(da->Edit1->text(), QStringLiteral("4093"));
    QCOMPARE(da->UpDown1->Position(), 4093);
    QCOMPARE(QApplication::focusWidget(), da->Edit1);

    // Down from the top pushes every bound below it.
    QTest::mouseClick(da->UpDown4->DownArrow, Qt::LeftButton);
    QCOMPARE(Ranges(), (QStringList{"4092", "4093", "4094", "4095"}));
    QCOMPARE(da->UpDown1->Position(), 4092);
    QCOMPARE(QApplication::focusWidget(), da->Edit5);
  }

  void savedAnalysisIsOnlyShown() {
    Session.AnalysisSaved[1] = true;
    Session.AnaBackgroundLow[1] = 10;
    Session.AnaBackgroundHigh[1] = 20;
    Session.AnaDecayLow[1] = 81;
    Session.AnaDecayHigh[1] = 4000;
    Session.AnaTimeCalibration[1] = 0.025f;
    Session.AnaLifetime[1] = 3.5f;
    Session.AnaChiSquared[1] = 1.2345f;
    for (int c = 1; c <= ChannelCount; ++c) {
      Session.AnaFittedCurve[1][c] = 100.0f;  // row 122
      Session.AnaResiduals[1][c] = c == 400 ? 9.0f : c == 800 ? -9.0f : 0.0f;
    }
    QVERIFY(SaveSession());
    Open();
    QCOMPARE(Ranges(), (QStringList{"10", "20", "81", "4000"}));
    QCOMPARE(da->Edit3->text(), QStringLiteral("0.02500"));
    QCOMPARE(da->Edit6->text(), QStringLiteral("3.50"));
    QCOMPARE(da->Label11->text(), QStringLiteral("Lifetime = 3.50"));
    QCOMPARE(da->Label12->text(), QStringLiteral("Chi-squared = 1.2345"));
    QCOMPARE(Enabled(), QStringList{"Button1"});
    const QImage data = da->PaintBox1->grab().toImage();
    QCOMPARE(data.pixelColor(200, 122), Green);
    const QImage residuals = da->PaintBox2->grab().toImage();
    QCOMPARE(residuals.pixelColor(50, 1), Green);    // channel 400, beyond the top cap
    QCOMPARE(residuals.pixelColor(100, 48), Green);  // channel 800, beyond the bottom cap

    QTest::mouseClick(da->Button1, Qt::LeftButton);
    QVERIFY(bench->screens->SessionControl->isVisible());
    const auto file = ReadSavedSession("ABC");
    QCOMPARE(file->LastBackgroundLow, 10);
    QCOMPARE(file->LastDecayLow, 81);
    QCOMPARE(file->LastDecayHigh, 4000);
    QCOMPARE(file->LastTimeCalibration, 0.025f);
    QCOMPARE(file->AnaLifetime[1], 3.5f);
  }
};

QTEST_MAIN(DecayAnalysisTest)
#include "tfrmda_test.moc"
