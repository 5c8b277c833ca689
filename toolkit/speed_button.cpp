#include "toolkit/speed_button.h"

#include <windowsx.h>

#include "toolkit/image.h"
#include "toolkit/panel.h"

namespace {

constexpr int kSpacing = 4;

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner, TControl* parent)
    : TCustomControl(owner, parent, 23, 22) {
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
  const SIZE glyphSize = glyph ? BitmapSize(glyph) : SIZE{0, 0};
  const std::wstring caption = Caption();
  const SIZE text = caption.empty() ? SIZE{0, 0} : canvas.TextExtent(caption);
  const int gap = glyph && !caption.empty() ? kSpacing : 0;
  const int left = (rect.right - glyphSize.cx - gap - text.cx) / 2 + shift;
  if (glyph) {
    const int top = (rect.bottom - glyphSize.cy) / 2 + shift;
    DrawBitmap(canvas.Handle(), glyph, {left, top, left + glyphSize.cx, top + glyphSize.cy}, true);
  }
  if (caption.empty()) return;
  canvas.Brush().style = TBrushStyle::bsClear;
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.TextOut(left + glyphSize.cx + gap, (rect.bottom - text.cy) / 2 + shift, caption);
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
    case WM_CAPTURECHANGED:
      pressed_ = false;
      Invalidate();
      return 0;
    default:
      return TCustomControl::WndProc(msg, wParam, lParam);
  }
}
