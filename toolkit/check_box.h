#pragma once

#include "toolkit/button_control.h"

// The standard two-state check box; a change by the user raises OnClick.
// A change by the mouse is followed by OnMouseUp, one by the keyboard
// (Space, or the accelerator of a label bound to the box) by OnKeyToggle.
// A box without a caption shows the focus around the box itself.
class TCheckBox : public TButtonControl {
 public:
  TCheckBox(TComponent* owner, TControl* parent,
            const std::optional<TBounds>& bounds = std::nullopt);

  void SetChecked(bool checked) { SetMark(checked); }
  // What Space does: focuses the box and flips its mark.
  void Toggle();

  TNotifyEvent OnKeyToggle;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  bool mouseRelease_ = false;
};
