#include "toolkit/check_box.h"

TCheckBox::TCheckBox(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TButtonControl(owner, parent, bounds, BS_AUTOCHECKBOX, 97) {}

void TCheckBox::Toggle() {
  if (!Focusable()) return;
  SetFocus();
  SetMark(!Checked());
  if (OnClick) OnClick(this);
  if (OnKeyToggle) OnKeyToggle(this);
}

LRESULT TCheckBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONUP: {
      mouseRelease_ = true;
      const LRESULT result = TButtonControl::WndProc(msg, wParam, lParam);
      mouseRelease_ = false;
      return result;
    }
    // The system box draws its focus around its caption, which an empty
    // caption leaves unseen.
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = TButtonControl::WndProc(msg, wParam, lParam);
      if (Caption().empty()) Invalidate();
      return result;
    }
    case WM_PAINT: {
      const LRESULT result = TButtonControl::WndProc(msg, wParam, lParam);
      if (Focused() && Caption().empty()) DrawFocusAround(Handle());
      return result;
    }
    default:
      return TButtonControl::WndProc(msg, wParam, lParam);
  }
}

bool TCheckBox::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick(this);
    if (!mouseRelease_ && OnKeyToggle) OnKeyToggle(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}
