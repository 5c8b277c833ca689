#include "toolkit/speed_button.h"

#include <windowsx.h>

#include "toolkit/hot_key.h"
#include "toolkit/image.h"
#include "toolkit/panel.h"

namespace {

constexpr int kSpacing = 4;

// The caption's extent as drawn, without its accelerator mark.
SIZE CaptionExtent(TCanvas& canvas, const std::wstring& caption) {
  if (caption.empty()) return {0, 0};
  RECT rect{};
  canvas.DrawText(caption, rect, DT_CALCRECT | DT_SINGLELINE);
  return {rect.right, rect.bottom};
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner, TControl* parent,
                           const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 23, 22, WS_TABSTOP) {
  SetParentColor(true);
}

void TSpeedButton::SetGlyph(Bitmap normal, Bitmap disabled) {
  glyph_ = std::move(normal);
  disabledGlyph_ = std::move(disabled);
  Invalidate();
}

void TSpeedButton::Paint(TCanvas& canvas) {
  RECT rect = ClientRect();
  const bool down = Down();
  if (Enabled() && (MouseInside() || down)) {
    RECT frame = rect;
    if (down)
      Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
    else
      Frame3D(canvas, frame, clBtnHighlight, clBtnShadow);
  }
  const int shift = down ? 1 : 0;
  const HBITMAP glyph = Enabled() || !disabledGlyph_ ? glyph_.Get() : disabledGlyph_.Get();
  // A glyph is drawn for 96 dpi and stretched to the button's DPI.
  const SIZE drawn = glyph ? BitmapSize(glyph) : SIZE{0, 0};
  const SIZE glyphSize{Scaled(drawn.cx), Scaled(drawn.cy)};
  const std::wstring caption = Caption();
  const SIZE text = CaptionExtent(canvas, caption);
  const int gap = glyph && !caption.empty() ? Scaled(kSpacing) : 0;
  const int left = (rect.right - glyphSize.cx - gap - text.cx) / 2 + shift;
  if (glyph) {
    const int top = (rect.bottom - glyphSize.cy) / 2 + shift;
    DrawBitmap(canvas.Handle(), glyph, {left, top, left + glyphSize.cx, top + glyphSize.cy}, true);
  }
  const int inset = Scaled(2);
  if (Focused()) canvas.DrawFocusRect({inset, inset, rect.right - inset, rect.bottom - inset});
  if (caption.empty()) return;
  canvas.Brush().style = TBrushStyle::bsClear;
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  const int x = left + glyphSize.cx + gap;
  const int y = (rect.bottom - text.cy) / 2 + shift;
  RECT at{x, y, x + text.cx, y + text.cy};
  canvas.DrawText(caption, at, DT_SINGLELINE | DT_NOCLIP);
}

bool TSpeedButton::DialogChar(wchar_t ch) {
  if (!IsHotKey(Caption(), ch) || !Focusable()) return false;
  if (OnClick) OnClick(this);
  return true;
}

TAccessibleFacts TSpeedButton::AccessibleFacts() const {
  const std::wstring caption = ShownCaption(Caption());
  return {ROLE_SYSTEM_PUSHBUTTON, caption.empty() ? Hint() : caption, AccessibleState(), L"Press"};
}

void TSpeedButton::DoDefaultAction() {
  if (OnClick) OnClick(this);
}

void TSpeedButton::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TSpeedButton::DoExit() {
  keyDown_ = false;
  Invalidate();
  TCustomControl::DoExit();
}

// Space or Enter holds the button down; its release clicks it.
void TSpeedButton::KeyPressed(bool down) {
  const bool click = keyDown_ && !down;
  keyDown_ = down;
  Invalidate();
  if (click && OnClick) OnClick(this);
}

LRESULT TSpeedButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      SetCapture(Handle());
      Invalidate();
      return 0;
    case WM_LBUTTONUP: {
      const RECT client = ClientRect();
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool click = pressed_ && PtInRect(&client, at);
      pressed_ = false;
      ReleaseCapture();
      Invalidate();
      if (click && OnClick) OnClick(this);
      return TCustomControl::WndProc(msg, wParam, lParam);
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (wParam != VK_SPACE && wParam != VK_RETURN) return TCustomControl::WndProc(msg, wParam, lParam);
      KeyPressed(msg == WM_KEYDOWN);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      Invalidate();
      return 0;
    default:
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}
