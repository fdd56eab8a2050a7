#include "model/decay_analysis.h"

#include "session/session_file.h"

void ClearAnalysis(TDecayAnalysis& analysis) {
  analysis = TDecayAnalysis{};
}

bool LoadAnalysis(TDecayAnalysis& analysis, const TSessionRecord& session) {
  ClearAnalysis(analysis);
  const int m = session.CurrentMeasurement;
  analysis.Prompt = session.PromptCounts[m];
  analysis.Decay = session.DecayCounts[m];
  if (!session.AnalysisSaved[m]) {
    analysis.BackgroundLow = session.LastBackgroundLow;
    analysis.BackgroundHigh = session.LastBackgroundHigh;
    analysis.DecayLow = session.LastDecayLow;
    analysis.DecayHigh = session.LastDecayHigh;
    analysis.TimeCalibration = session.LastTimeCalibration;
    return false;
  }
  analysis.BackgroundLow = session.AnaBackgroundLow[m];
  analysis.BackgroundHigh = session.AnaBackgroundHigh[m];
  analysis.DecayLow = session.AnaDecayLow[m];
  analysis.DecayHigh = session.AnaDecayHigh[m];
  analysis.TimeCalibration = session.AnaTimeCalibration[m];
  analysis.LifetimeEstimate = session.AnaLifetime[m];
  analysis.ChiSquared = session.AnaChiSquared[m];
  analysis.Fit = session.AnaFittedCurve[m];
  analysis.Residuals = session.AnaResiduals[m];
  return true;
}

void StoreAnalysis(const TDecayAnalysis& analysis, TSessionRecord& session) {
  const int m = session.CurrentMeasurement;
  session.AnalysisSaved[m] = true;
  session.AnaBackgroundLow[m] = analysis.BackgroundLow;
  session.AnaBackgroundHigh[m] = analysis.BackgroundHigh;
  session.AnaDecayLow[m] = analysis.DecayLow;
  session.AnaDecayHigh[m] = analysis.DecayHigh;
  session.AnaTimeCalibration[m] = analysis.TimeCalibration;
  session.AnaLifetime[m] = analysis.LifetimeEstimate;
  session.AnaChiSquared[m] = analysis.ChiSquared;
  session.AnaFittedCurve[m] = analysis.Fit;
  session.AnaResiduals[m] = analysis.Residuals;
}

bool RememberSettings(const TDecayAnalysis& analysis) {
  Session.LastBackgroundLow = analysis.BackgroundLow;
  Session.LastBackgroundHigh = analysis.BackgroundHigh;
  Session.LastDecayLow = analysis.DecayLow;
  Session.LastDecayHigh = analysis.DecayHigh;
  Session.LastTimeCalibration = analysis.TimeCalibration;
  return SaveSession();
}
