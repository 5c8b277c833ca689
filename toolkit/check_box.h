#pragma once

#include "toolkit/button_control.h"

// The standard two-state check box; a change by the user raises OnClick.
class TCheckBox : public TButtonControl {
 public:
  TCheckBox(TComponent* owner, TControl* parent);

  void SetChecked(bool checked) { SetMark(checked); }

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
