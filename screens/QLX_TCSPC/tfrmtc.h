#pragma once

#include "screens/shell/screen_form.h"

// The decay measurement screen: the photon-counting spectrometer.
class TFRMTC : public ScreenForm {
  Q_OBJECT

 public:
  TFRMTC();
};
