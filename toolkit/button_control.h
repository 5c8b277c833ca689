#pragma once

#include "toolkit/control.h"

// What the standard check box and radio button share: a system button
// with a caption and a check mark, and a click event.
class TButtonControl : public TControl {
 public:
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  TNotifyEvent OnClick;

 protected:
  TButtonControl(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds,
                 DWORD style, int width)
      : TControl(owner, parent, bounds, {L"BUTTON", style | WS_TABSTOP, 0, width, 17}) {
    SetParentColor(true);
  }
  // Sets the mark alone, raising nothing.
  void SetMark(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};
