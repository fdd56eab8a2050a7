#pragma once

#include "screens/shell/screen_form.h"

// The session control screen: the student's hub.
class TFRMSC : public ScreenForm {
  Q_OBJECT

 public:
  TFRMSC();
};
