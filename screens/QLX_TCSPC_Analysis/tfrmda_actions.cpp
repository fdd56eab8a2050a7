#include <string>

#include "model/analysis_ranges.h"
#include "model/lifetime_fit.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/screen_manager.h"
#include "session/session_record.h"

namespace {

constexpr char EnterKey = 13;

void ShowText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

QString Fixed(float value, int decimals) {
  return QString::number(static_cast<double>(value), 'f', decimals);
}

std::string EditText(const QLineEdit* edit) {
  return edit->text().toStdString();
}

}  // namespace

void TFRMDA::RefreshDecayAnalysis() {
  for (QWidget* control : GroupControls()) control->setEnabled(false);
  const bool saved = LoadAnalysis(*analysis_, Session);
  if (saved) {
    Button1->setEnabled(true);
  } else {
    for (QWidget* control : GroupControls()) control->setEnabled(control != Button2);
  }
  Button1->setFocus();
  ShowResults();
  DrawDecayAnalysis();
}

void TFRMDA::DrawDecayAnalysis() {
  DrawDecayAnalysisPlots(*plots_, *analysis_);
  PaintBox1->update();
  PaintBox2->update();
  ShowRanges();
  ShowCounts();
}

void TFRMDA::ShowRanges() {
  const TDecayAnalysis& a = *analysis_;
  const int bounds[] = {a.BackgroundLow, a.BackgroundHigh, a.DecayLow, a.DecayHigh};
  int i = 0;
  for (const RangeControl& range : RangeControls()) {
    range.Edit->setText(QString::number(bounds[i]));
    range.Spinner->SetPosition(bounds[i]);
    ++i;
  }
  Edit3->setText(Fixed(a.TimeCalibration, 5));
  Edit6->setText(Fixed(a.LifetimeEstimate, 2));
}

void TFRMDA::ShowCounts() {
  const TRangeCounts counts = RangeCounts(*analysis_);
  ShowText(LabelA, QStringLiteral("Prompt counts = %1").arg(counts.BackgroundPrompt));
  ShowText(LabelB, QStringLiteral("Decay counts = %1").arg(counts.BackgroundDecay));
  ShowText(LabelC, QStringLiteral("Prompt counts = %1").arg(counts.DecayRangePrompt));
  ShowText(LabelD, QStringLiteral("Decay counts = %1").arg(counts.DecayRangeDecay));
}

void TFRMDA::ShowResults() {
  ShowText(Label11, QStringLiteral("Lifetime = ") + Fixed(analysis_->LifetimeEstimate, 2));
  ShowText(Label12, QStringLiteral("Chi-squared = ") + Fixed(analysis_->ChiSquared, 4));
}

void TFRMDA::EnterRange(const RangeControl& range) {
  EnterRangeBound(*analysis_, range.Bound, EditText(range.Edit));
  DrawDecayAnalysis();
}

void TFRMDA::SpinRange(const RangeControl& range) {
  SetRangeBound(*analysis_, range.Bound, range.Spinner->Position());
  DrawDecayAnalysis();
  range.Edit->setFocus();
}

void TFRMDA::Edit1Exit() {
  EnterRange(RangeControls()[0]);
}
void TFRMDA::Edit2Exit() {
  EnterRange(RangeControls()[1]);
}
void TFRMDA::Edit4Exit() {
  EnterRange(RangeControls()[2]);
}
void TFRMDA::Edit5Exit() {
  EnterRange(RangeControls()[3]);
}

void TFRMDA::Edit3Exit() {
  AcceptTimeCalibration(*analysis_, EditText(Edit3));
  Edit3->setText(Fixed(analysis_->TimeCalibration, 5));
}

void TFRMDA::Edit6Exit() {
  AcceptLifetimeEstimate(*analysis_, EditText(Edit6));
  Edit6->setText(Fixed(analysis_->LifetimeEstimate, 4));
}

void TFRMDA::Edit1KeyPress(char key) {
  if (key == EnterKey) Edit1Exit();
}
void TFRMDA::Edit2KeyPress(char key) {
  if (key == EnterKey) Edit2Exit();
}
void TFRMDA::Edit3KeyPress(char key) {
  if (key == EnterKey) Edit3Exit();
}
void TFRMDA::Edit4KeyPress(char key) {
  if (key == EnterKey) Edit4Exit();
}
void TFRMDA::Edit5KeyPress(char key) {
  if (key == EnterKey) Edit5Exit();
}
void TFRMDA::Edit6KeyPress(char key) {
  if (key == EnterKey) Edit6Exit();
}

void TFRMDA::UpDown1Click() {
  SpinRange(RangeControls()[0]);
}
void TFRMDA::UpDown2Click() {
  SpinRange(RangeControls()[1]);
}
void TFRMDA::UpDown3Click() {
  SpinRange(RangeControls()[2]);
}
void TFRMDA::UpDown4Click() {
  SpinRange(RangeControls()[3]);
}

// The plot takes no focus, so the focus still marks the bound the student picked.
void TFRMDA::PaintBox1Click(QPoint position) {
  for (const RangeControl& range : RangeControls())
    if (focusWidget() == range.Edit)
      SetRangeBound(*analysis_, range.Bound, ClickedChannel(position.x()));
  DrawDecayAnalysis();
}

void TFRMDA::PaintBox1Paint() {
  DrawDataPlot(plots_->Data, *analysis_);
}

void TFRMDA::PaintBox2Paint() {
  DrawResidualPlot(plots_->Residuals, *analysis_);
}

void TFRMDA::Button3Click() {
  if (const FitFailure failure = AnalyseDecay(*analysis_)) {
    InfoDialog(QString::fromStdString(*failure));
    return;
  }
  ShowResults();
  DrawDecayAnalysis();
  Button2->setEnabled(true);
}

void TFRMDA::Button4Click() {
  if (const FitFailure failure = EstimateLifetime(*analysis_)) {
    InfoDialog(QString::fromStdString(*failure));
    return;
  }
  DrawDecayAnalysis();
}

void TFRMDA::Button1Click() {
  RememberSettings(*analysis_);
  ShowScreen(SessionControlScreen);
}

void TFRMDA::Button2Click() {
  StoreAnalysis(*analysis_, Session);
  RememberSettings(*analysis_);
  ShowScreen(SessionControlScreen);
}
