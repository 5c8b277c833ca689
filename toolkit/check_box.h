#pragma once

#include "toolkit/control.h"

// The standard two-state check box; a change by the user raises OnClick.
class TCheckBox : public TControl {
 public:
  TCheckBox(TComponent* owner, TControl* parent);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
