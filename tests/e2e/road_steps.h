#pragma once

#include <QString>
#include <QTest>

class TFRMSU;
class TFRMSC;
class TFRMMS;
class TFRMTC;

// What the supervisor and the student do on each screen along the road, through the screens'
// controls only. A step checks what the user would see on the way and fails the running test
// if it is not there; callers stop at the first failed step.

// Runs a step and stops the calling test function if the step failed.
#define STEP(call)                          \
  do {                                      \
    call;                                   \
    if (QTest::currentTestFailed()) return; \
  } while (false)

// The session the supervisor creates for the student.
inline const QString RoadReference = QStringLiteral("ABC");
inline const QString RoadPassword = QStringLiteral("secret");
inline const QString RoadStudent = QStringLiteral("A. Student");

// The measurement screen's settings the road uses: the LED at 360 nm where the fluorophore
// absorbs strongly, its emission taken at 400 nm, the 100 ns TAC range.
constexpr int ExcitationNm = 360;
constexpr int EmissionNm = 400;
// The channel width of the 100 ns range (twice the 50 ns range's 0.01132 ns), as the student
// types it on the analysis screen.
inline const QString RoadTimeCalibration = QStringLiteral("0.02264");

// Session creation: reference, password and student typed, system 1 with its defaults kept,
// "Save Text Record" ticked, "Generate session file".
void CreateRoadSession(TFRMSU& su);

// Session control: the reference typed in lower case (the field makes capitals) and the
// password, each confirmed with Enter.
void LogIn(TFRMSC& sc);

// Session control's measurement box set to m with the keyboard.
void ChooseMeasurement(TFRMSC& sc, int m);

// Sample preparation from the balance to the spectra and a look at the absorption at the
// excitation wavelength; nothing saved yet.
void MakeSolution(TFRMMS& ms);

// The same, then "Save and Return".
void PrepareSample(TFRMMS& ms);

// The measurement screen after "Load Sample", set up for the prompt: lamp and detector on,
// shutters open, both monochromators at the excitation wavelength with 1 nm bandpasses, the
// emission side damped by a neutral density filter; the monochromators have arrived.
void SetUpPrompt(TFRMTC& tc);

// The same for the decay at the given temperature (whole degrees Celsius): emission at its own
// wavelength without the filter, bandpasses of 2 nm (excitation) and 4 nm (emission), for some
// 11,000 conversions a second at 1,000 kHz; monochromators and temperature have arrived.
void SetUpDecay(TFRMTC& tc, int temperature);

// "Start", the given number of ticks, "Stop".
void Count(TFRMTC& tc, int ticks);

// The measurement screen's 100 ms ticks, as its timer gives them.
void Tick(TFRMTC& tc, int ticks);
