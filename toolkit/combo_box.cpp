#include "toolkit/combo_box.h"

#include <commctrl.h>

TComboBox::TComboBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
                     const TFont* font)
    : TControl(owner, parent, bounds,
               {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 145, 21,
                font}) {
  SetColor(clWindow);
  SendMessageW(Handle(), CB_SETMINVISIBLE, 8, 0);
}

int TComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::wstring TComboBox::Item(int index) const {
  return ItemText(Handle(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void TComboBox::Add(const std::wstring& item) {
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int TComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetItemHeight(int height) {
  itemHeight_ = height;
  SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, Scaled(height));
}

void TComboBox::DpiChanged() {
  if (itemHeight_ > 0) SetItemHeight(itemHeight_);
}

bool TComboBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND &&
      (HIWORD(wParam) == CBN_EDITCHANGE || HIWORD(wParam) == CBN_SELCHANGE)) {
    if (OnChange) OnChange(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
