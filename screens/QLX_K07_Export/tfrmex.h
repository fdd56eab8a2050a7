#pragma once

#include "screens/shell/screen_form.h"

// The export screen: the session as a text report.
class TFRMEX : public ScreenForm {
  Q_OBJECT

 public:
  TFRMEX();
};
