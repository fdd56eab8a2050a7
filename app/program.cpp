#include "app/program.h"

#include "screens/QLX_K07_Export/tfrmex.h"
#include "screens/QLX_K07_MakeSample/tfrmms.h"
#include "screens/QLX_K07_Session/tfrmsc.h"
#include "screens/QLX_K07_Splash/tfrmsp.h"
#include "screens/QLX_K07_Supervisor/tfrmsu.h"
#include "screens/QLX_TCSPC/tfrmtc.h"
#include "screens/QLX_TCSPC_Analysis/tfrmda.h"
#include "screens/shell/screen_manager.h"

ProgramScreens::ProgramScreens() = default;
ProgramScreens::~ProgramScreens() = default;
ProgramScreens::ProgramScreens(ProgramScreens&&) noexcept = default;

std::array<ScreenForm*, 7> ProgramScreens::InCreationOrder() const {
  return {Startup.get(), SessionCreation.get(),  SessionControl.get(), SamplePreparation.get(),
          Export.get(),  DecayMeasurement.get(), DecayAnalysis.get()};
}

ProgramScreens CreateScreens(const QString& firstArgument) {
  ProgramScreens screens;
  screens.Startup = std::make_unique<TFRMSP>(firstArgument);
  screens.SessionCreation = std::make_unique<TFRMSU>();
  screens.SessionControl = std::make_unique<TFRMSC>();
  screens.SamplePreparation = std::make_unique<TFRMMS>();
  screens.Export = std::make_unique<TFRMEX>();
  screens.DecayMeasurement = std::make_unique<TFRMTC>();
  screens.DecayAnalysis = std::make_unique<TFRMDA>();
  RegisterScreens(screens.Startup.get(),
                  ScreenTable{{screens.SessionControl.get(), screens.SamplePreparation.get(),
                               screens.DecayMeasurement.get(), screens.SessionCreation.get(),
                               screens.DecayAnalysis.get(), screens.Export.get()}});
  return screens;
}
