#pragma once

#include "toolkit/button_control.h"

// A standard radio button. The radio buttons of one parent form one group:
// checking one clears the others. Checking a button, by the user or by
// SetChecked, raises its OnClick.
class TRadioButton : public TButtonControl {
 public:
  TRadioButton(TComponent* owner, TControl* parent);

  void SetChecked(bool checked);

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
