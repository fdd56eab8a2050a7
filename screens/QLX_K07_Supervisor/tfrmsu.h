#pragma once

#include "screens/shell/screen_form.h"

// The supervisor's session file creation screen.
class TFRMSU : public ScreenForm {
  Q_OBJECT

 public:
  TFRMSU();
};
