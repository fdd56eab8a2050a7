#pragma once

#include <QString>

class TFRMDA;

// What the student does on the decay analysis screen, through its controls only. A step checks
// what the student would see on the way and fails the running test if it is not there.

struct AnalysisRanges {
  int BackgroundLow;
  int BackgroundHigh;
  int DecayLow;
  int DecayHigh;
};

// The ranges the road uses: the background well before the prompt (which starts near channel
// 1236 at the 100 ns range), the decay from just before the prompt to near the end.
constexpr AnalysisRanges RoadRanges{100, 1100, 1200, 2500};

// Types the four range bounds and the time calibration, each confirmed with Enter.
void TypeAnalysisSettings(TFRMDA& da, const AnalysisRanges& ranges, const QString& calibration);

// Whether the screen shows these ranges and this calibration.
void ExpectAnalysisSettings(const TFRMDA& da, const AnalysisRanges& ranges,
                            const QString& calibration);

// "Auto", "Analyse", then the estimate typed anew and analysed again, narrowing in on the
// least chi-squared shown, as a student adjusting the estimate does; ends analysed at the best
// estimate, which it gives back.
void AnalyseForLeastChiSquared(TFRMDA& da, double& best);

// The reduced chi-squared the screen shows.
double ShownChiSquared(const TFRMDA& da);
