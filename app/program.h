#pragma once

#include <QString>
#include <array>
#include <memory>

class ScreenForm;

class TFRMSP;
class TFRMSU;
class TFRMSC;
class TFRMMS;
class TFRMEX;
class TFRMTC;
class TFRMDA;

// The seven screens of the run, one instance each, alive for the whole run.
struct ProgramScreens {
  std::unique_ptr<TFRMSP> Startup;
  std::unique_ptr<TFRMSU> SessionCreation;
  std::unique_ptr<TFRMSC> SessionControl;
  std::unique_ptr<TFRMMS> SamplePreparation;
  std::unique_ptr<TFRMEX> Export;
  std::unique_ptr<TFRMTC> DecayMeasurement;
  std::unique_ptr<TFRMDA> DecayAnalysis;

  ProgramScreens();
  ~ProgramScreens();
  ProgramScreens(ProgramScreens&&) noexcept;

  // All seven, in the order they were created.
  std::array<ScreenForm*, 7> InCreationOrder() const;
};

// Creates the screens in the program's order (the start-up screen first, which starts its
// timer) and hands them to the screen manager. The first argument decides the mode at tick 30.
ProgramScreens CreateScreens(const QString& firstArgument);
