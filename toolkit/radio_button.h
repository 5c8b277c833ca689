#pragma once

#include "toolkit/button_control.h"

// A standard radio button. The radio buttons of one parent form one group:
// checking one clears the others. Checking a button, by the user or by
// SetChecked, raises its OnClick. The arrow keys move the focus and the check
// to the next (Down, Right) or previous (Up, Left) button of the group that
// can take the focus, round from the last to the first.
class TRadioButton : public TButtonControl {
 public:
  TRadioButton(TComponent* owner, TControl* parent,
               const std::optional<TBounds>& bounds = std::nullopt);

  void SetChecked(bool checked);

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void CheckNeighbour(bool forward);
};
