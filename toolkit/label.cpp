#include "toolkit/label.h"

#include "toolkit/canvas.h"
#include "toolkit/check_box.h"
#include "toolkit/hot_key.h"

TLabel::TLabel(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TControl(owner, parent, bounds, {L"STATIC", SS_LEFT | SS_NOTIFY, 0, 65, 13}) {
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment alignment) {
  SetStyleBit(SS_CENTER | SS_RIGHT, false);
  if (alignment == TAlignment::taCenter) SetStyleBit(SS_CENTER, true);
  if (alignment == TAlignment::taRightJustify) SetStyleBit(SS_RIGHT, true);
  Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  FitText();
}

void TLabel::FontChanged() {
  TControl::FontChanged();
  FitText();
}

SIZE TLabel::FittingSize(const TFont& font, const std::wstring& text, int dpi) {
  TCanvas canvas(MeasuringDC(), dpi);
  canvas.Font().Assign(font);
  RECT rect{0, 0, 0, 0};
  canvas.DrawText(text.empty() ? L" " : text, rect, DT_CALCRECT | DT_EXPANDTABS);
  return {rect.right, rect.bottom};
}

void TLabel::FitText() {
  if (!autoSize_) return;
  const SIZE size = FittingSize(Font(), Text(), Dpi());
  SetBounds(Left(), Top(), size.cx, size.cy);
}

bool TLabel::Notification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    if (OnClick) OnClick(this);
    return true;
  }
  return TControl::Notification(msg, wParam, lParam, result);
}

bool TLabel::DialogChar(wchar_t ch) {
  if (!focusControl_ || !IsHotKey(Caption(), ch) || !focusControl_->Focusable()) return false;
  focusControl_->Toggle();
  return true;
}

TStaticText::TStaticText(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TLabel(owner, parent, bounds) {
  SetAutoSize(false);
  SetStyleBit(SS_CENTERIMAGE, true);
}
