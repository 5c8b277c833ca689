#include "toolkit/radio_button.h"

TRadioButton::TRadioButton(TComponent* owner, TControl* parent)
    : TButtonControl(owner, parent, BS_RADIOBUTTON, 113) {}

void TRadioButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SetMark(checked);
  if (!checked) return;
  for (TControl* sibling : Parent()->Children()) {
    auto* radio = dynamic_cast<TRadioButton*>(sibling);
    if (radio && radio != this) radio->SetMark(false);
  }
  if (OnClick) OnClick(this);
}

bool TRadioButton::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    SetChecked(true);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
