#include "toolkit/check_box.h"

TCheckBox::TCheckBox(TComponent* owner, TControl* parent)
    : TButtonControl(owner, parent, BS_AUTOCHECKBOX, 97) {}

bool TCheckBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
