#pragma once

#include "toolkit/control.h"

// A standard radio button. The radio buttons of one parent form one group:
// checking one clears the others. Checking a button, by the user or by
// SetChecked, raises its OnClick.
class TRadioButton : public TControl {
 public:
  TRadioButton(TComponent* owner, TControl* parent);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  bool Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void SetMark(bool checked);
};
