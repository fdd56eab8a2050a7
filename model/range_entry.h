#pragma once

#include <optional>
#include <string_view>

#include "model/decay_analysis.h"

// The four channel bounds of the analysis ranges, as the screen's edits and spinners name them.
enum class TRangeBound { BackgroundLow, BackgroundHigh, DecayLow, DecayHigh };

// Reads a typed whole number: blanks around it, an optional sign and decimal digits. A number
// beyond the int range is held at its nearest limit (the range setters clamp it further), so
// no typed text can overflow. None when the text is no whole number.
std::optional<int> ReadWholeNumber(std::string_view text);

// Sets one bound through its range setter.
void SetRangeBound(TDecayAnalysis& analysis, TRangeBound bound, int channel);

// A bound typed by the student: a whole number goes through the bound's setter; other text puts
// the bound just past the one below it (background low to 1), which keeps the order.
void EnterRangeBound(TDecayAnalysis& analysis, TRangeBound bound, std::string_view text);

// The channel a click on the data plot's column x picks: the last of the column's eight, with
// x held within 1..512.
int ClickedChannel(int x);
