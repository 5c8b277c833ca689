#pragma once

#include <string>

#include "toolkit/combo_box.h"
#include "toolkit/spin_edit.h"

// What the companion dialogs see of the main window: the three parameter
// fields they start from and write back to, and the converter file found
// missing at start. The main window is this view.
class TMainWindowView {
 public:
  virtual TComboBox& SpecularRgbField() = 0;
  virtual TSpinEdit& SpecularPowerField() = 0;
  virtual TSpinEdit& SizeField() = 0;
  // The bare name of the first converter file found missing, or empty.
  virtual const std::wstring& MissingFileName() const = 0;

 protected:
  ~TMainWindowView() = default;
};

// The one main window, as the dialogs see it; set while it lives.
inline TMainWindowView* zh_tarnF = nullptr;
