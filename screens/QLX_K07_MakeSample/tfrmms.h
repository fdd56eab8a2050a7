#pragma once

#include "screens/shell/screen_form.h"

// The sample preparation screen: weighing, stock solution, dilution and spectra.
class TFRMMS : public ScreenForm {
  Q_OBJECT

 public:
  TFRMMS();
};
