#include "e2e/analysis_steps.h"

#include <QtTest>
#include <cmath>

#include "e2e/program_run.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"

namespace {

// Types the estimate, analyses and reads the chi-squared shown.
double ChiSquaredAt(TFRMDA& da, double estimate) {
  TypeAndEnter(da.Edit6, QString::number(estimate, 'f', 4));
  Click(da.Button3);
  return ShownChiSquared(da);
}

}  // namespace

void TypeAnalysisSettings(TFRMDA& da, const AnalysisRanges& ranges, const QString& calibration) {
  Arrive(&da);
  // From the far end inwards, so that no bound pushes one typed before it.
  TypeAndEnter(da.Edit5, QString::number(ranges.DecayHigh));
  TypeAndEnter(da.Edit4, QString::number(ranges.DecayLow));
  TypeAndEnter(da.Edit2, QString::number(ranges.BackgroundHigh));
  TypeAndEnter(da.Edit1, QString::number(ranges.BackgroundLow));
  TypeAndEnter(da.Edit3, calibration);
  ExpectAnalysisSettings(da, ranges, calibration);
}

void ExpectAnalysisSettings(const TFRMDA& da, const AnalysisRanges& ranges,
                            const QString& calibration) {
  QCOMPARE(da.Edit1->text(), QString::number(ranges.BackgroundLow));
  QCOMPARE(da.Edit2->text(), QString::number(ranges.BackgroundHigh));
  QCOMPARE(da.Edit4->text(), QString::number(ranges.DecayLow));
  QCOMPARE(da.Edit5->text(), QString::number(ranges.DecayHigh));
  QCOMPARE(da.Edit3->text(), calibration);
}

void AnalyseForLeastChiSquared(TFRMDA& da, double& best) {
  Arrive(&da);
  Click(da.Button4);  // "Auto"
  const double automatic = da.Edit6->text().toDouble();
  QVERIFY2(automatic > 0, qPrintable(da.Edit6->text()));
  QVERIFY(!da.Button2->isEnabled());  // nothing to save before an analysis
  Click(da.Button3);                  // "Analyse" at the automatic estimate
  QVERIFY(da.Button2->isEnabled());
  const double chiAutomatic = ShownChiSquared(da);
  QVERIFY(chiAutomatic > 0);

  // Golden-section narrowing between three quarters and four thirds of the automatic estimate.
  const double shrink = (std::sqrt(5.0) - 1) / 2;
  double low = 0.75 * automatic;
  double high = automatic * 4 / 3;
  double left = high - shrink * (high - low);
  double right = low + shrink * (high - low);
  double chiLeft = ChiSquaredAt(da, left);
  double chiRight = ChiSquaredAt(da, right);
  while (high - low > 0.001 * automatic) {
    if (chiLeft <= chiRight) {
      high = right;
      right = left;
      chiRight = chiLeft;
      left = high - shrink * (high - low);
      chiLeft = ChiSquaredAt(da, left);
    } else {
      low = left;
      left = right;
      chiLeft = chiRight;
      right = low + shrink * (high - low);
      chiRight = ChiSquaredAt(da, right);
    }
  }
  best = std::round((low + high) / 2 * 10000) / 10000;
  QVERIFY(ChiSquaredAt(da, best) <= chiAutomatic);
  QCOMPARE(da.Label11->text(),
           QStringLiteral("Lifetime = %1").arg(static_cast<float>(best), 0, 'f', 2));
}

double ShownChiSquared(const TFRMDA& da) {
  const QString prefix = QStringLiteral("Chi-squared = ");
  const QString shown = da.Label12->text();
  return shown.startsWith(prefix) ? shown.mid(prefix.size()).toDouble() : -1;
}
