#include "toolkit/check_box.h"

TCheckBox::TCheckBox(TComponent* owner, TControl* parent)
    : TControl(owner, parent, {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 97, 17}) {
  SetParentColor(true);
}

bool TCheckBox::Checked() const {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
