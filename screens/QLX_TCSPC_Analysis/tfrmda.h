#pragma once

#include "screens/shell/screen_form.h"

// The decay analysis screen: the lifetime fit of one measurement.
class TFRMDA : public ScreenForm {
  Q_OBJECT

 public:
  TFRMDA();
};
