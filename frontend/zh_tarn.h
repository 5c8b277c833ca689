#pragma once

#include "toolkit/form.h"

// The main window.
class Tzh_tarnF : public TForm {
 public:
  explicit Tzh_tarnF(TComponent* owner);
};

// The one main window, alive while the program runs.
extern Tzh_tarnF* zh_tarnF;
