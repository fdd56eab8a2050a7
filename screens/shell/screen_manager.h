#pragma once

#include <QString>

#include "session/indexed_array.h"

class ScreenForm;

// Screen identifiers.
constexpr int SessionControlScreen = 3;
constexpr int SamplePreparationScreen = 4;
constexpr int DecayMeasurementScreen = 5;
constexpr int SessionCreationScreen = 6;
constexpr int DecayAnalysisScreen = 7;
constexpr int ExportScreen = 8;

using ScreenTable = IndexedArray<ScreenForm*, SessionControlScreen, ExportScreen>;

// Hands the screen manager the start-up screen and the six screens by identifier.
void RegisterScreens(ScreenForm* startup, const ScreenTable& screens);

// Makes screen 3..8 the only visible one, at the place of the screen visible until now, gives
// it the focus and refreshes it. Any other identifier changes nothing.
void ShowScreen(int id);

// Runs the refresh routine of whichever of the screens 3..8 is visible.
void RefreshScreen();
