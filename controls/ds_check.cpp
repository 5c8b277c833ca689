#include <windowsx.h>

#include "controls/DsGroups.h"
#include "controls/keyboard.h"

namespace {

constexpr int kSquare = 11;

void Polyline(TCanvas& canvas, TColor color, std::initializer_list<POINT> points) {
  canvas.Pen() = {color, 1, TPenStyle::psSolid};
  const POINT* first = points.begin();
  canvas.MoveTo(first->x, first->y);
  for (const POINT* p = first + 1; p != points.end(); ++p) canvas.LineTo(p->x, p->y);
}

// The grey of unavailable text and ticks: usual, or in a high-contrast
// theme the system's.
TColor Unavailable(TColor usual) {
  return HighContrast() ? RoleColor(TColorRole::crUnavailable) : usual;
}

}  // namespace

TDsCheck::TDsCheck(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 81, 17) {
  SetParentColor(true);
}

TAccessibleFacts TDsCheck::AccessibleFacts() const {
  long state = AccessibleState();
  if (state_ == TCheckBoxState::cbChecked) state |= STATE_SYSTEM_CHECKED;
  if (state_ == TCheckBoxState::cbGrayed) state |= STATE_SYSTEM_MIXED;
  return {ROLE_SYSTEM_CHECKBUTTON, ShownCaption(Caption()), state,
          Checked() ? L"Uncheck" : L"Check"};
}

void TDsCheck::SetCaptionAlign(TDsAlignment align) { ChangeProperty(*this, captionAlign_, align); }

void TDsCheck::SetCaptionStyle(TDsTextStyle style) { ChangeProperty(*this, captionStyle_, style); }

void TDsCheck::SetButtonStyle(TButtonStyle style) { ChangeProperty(*this, buttonStyle_, style); }

void TDsCheck::SetCheckColor(TColor color) { ChangeProperty(*this, checkColor_, color); }

void TDsCheck::SetColorHigh(TColor color) { ChangeProperty(*this, colorHigh_, color); }

void TDsCheck::SetColorLow(TColor color) { ChangeProperty(*this, colorLow_, color); }

void TDsCheck::SetFocusRectangle(bool focusRectangle) {
  ChangeProperty(*this, focusRectangle_, focusRectangle);
}

void TDsCheck::SetDown(bool down) { ChangeProperty(*this, down_, down); }

void TDsCheck::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  Invalidate();
  if (OnClick) OnClick(this);
}

void TDsCheck::SetChecked(bool checked) {
  SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

bool TDsCheck::DialogChar(wchar_t ch) {
  if (!IsHotKey(Caption(), ch) || !Focusable()) return false;
  SetFocus();
  if (Focused()) Toggle();
  return true;
}

void TDsCheck::DoEnter() {
  TCustomControl::DoEnter();
  Repaint();
}

void TDsCheck::DoExit() {
  TCustomControl::DoExit();
  Repaint();
}

// The pointer test of the mouse handlers, which takes in the column W and
// the row H.
bool TDsCheck::Inside(LPARAM lParam) const {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  return x >= 0 && x <= Width() && y >= 0 && y <= Height();
}

void TDsCheck::Press(bool left) {
  leftPressed_ = left;
  SetFocus();
  SetCapture(Handle());
  down_ = true;
  Invalidate();
}

void TDsCheck::Track(LPARAM lParam) {
  if (GetCapture() == Handle()) SetDown(Inside(lParam));
}

void TDsCheck::Release(LPARAM lParam) {
  leftPressed_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  down_ = false;
  if (Inside(lParam)) Toggle();
  Invalidate();
}

LRESULT TDsCheck::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Press(msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE: {
      const LRESULT result = TCustomControl::WndProc(msg, wParam, lParam);
      Track(lParam);
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const RECT client = ClientRect();
      if (msg == WM_LBUTTONUP && leftPressed_ && PtInRect(&client, at) && OnClick) OnClick(this);
      const LRESULT result = TCustomControl::WndProc(msg, wParam, lParam);
      Release(lParam);
      return result;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) SetDown(true);
      RaiseKey(OnKeyDown, this, wParam);
      break;
    case WM_KEYUP:
      if (!RaiseKey(OnKeyUp, this, wParam) || wParam != VK_SPACE) break;
      down_ = false;
      Toggle();
      Invalidate();
      break;
    default:
      break;
  }
  return TCustomControl::WndProc(msg, wParam, lParam);
}

// The square's outline, right and bottom edges included.
RECT TDsCheck::SquareRect() const {
  const int square = Scaled(kSquare);
  const int top = (Height() - square) / 2 - 1;
  const int left = captionAlign_ == TDsAlignment::taLeft ? 1 : Width() - square - 1;
  return {left, top, left + square, top + square};
}

void TDsCheck::PaintSquare(TCanvas& canvas, const RECT& s) {
  const TColor light = down_ ? colorLow_ : colorHigh_;
  const TColor dark = down_ ? colorHigh_ : colorLow_;
  Polyline(canvas, light, {{s.left, s.bottom}, {s.left, s.top}, {s.right, s.top}});
  Polyline(canvas, dark, {{s.right, s.top}, {s.right, s.bottom}, {s.left, s.bottom}});
  if (buttonStyle_ != TButtonStyle::ckFlat || down_) return;
  Polyline(canvas, dark,
           {{s.left - 1, s.bottom}, {s.left - 1, s.top - 1}, {s.right + 1, s.top - 1}});
  Polyline(canvas, light,
           {{s.right + 1, s.top - 1}, {s.right + 1, s.bottom + 1}, {s.left - 1, s.bottom + 1}});
}

// Draws the caption beside the square; returns its unmoved rectangle and
// the width of the shown text.
RECT TDsCheck::PaintCaption(TCanvas& canvas, const RECT& s, int& textWidth) {
  const std::wstring caption = Caption();
  textWidth = CaptionWidth(canvas, caption);
  const int height = canvas.TextHeight(caption);
  const int top = (Height() - height) / 2 - (buttonStyle_ == TButtonStyle::ckFlat ? 1 : 0);
  const bool left = captionAlign_ == TDsAlignment::taLeft;
  const RECT rect = left ? RECT{s.right + Scaled(5), top, Width() - 1, top + height}
                         : RECT{1, top, s.left - Scaled(6), top + height};
  canvas.Font().SetColor(Enabled() ? ShownTextColor() : Unavailable(colorLow_));
  DrawStyledText(canvas, caption, rect, DT_SINGLELINE | (left ? 0u : DT_RIGHT),
                 ShownTextStyle(captionStyle_), colorHigh_);
  return rect;
}

// The tick's points lie at 96-dpi offsets from the square's corner.
void TDsCheck::PaintTick(TCanvas& canvas, const RECT& s, TColor color) {
  const auto at = [&](int dx, int dy) { return POINT{s.left + Scaled(2 + dx), s.top + Scaled(5 + dy)}; };
  const TColor dark = Enabled() ? color : Unavailable(clBtnShadow);
  Polyline(canvas, clBtnHighlight, {at(2, -1), at(2, 4), at(9, -3)});
  Polyline(canvas, dark, {at(0, 0), at(0, 4), at(8, -4)});
  Polyline(canvas, dark, {at(1, -1), at(1, 4), at(9, -4)});
}

void TDsCheck::PaintMark(TCanvas& canvas, const RECT& s) {
  if (state_ == TCheckBoxState::cbChecked) {
    PaintTick(canvas, s, Themed(checkColor_, TColorRole::crText));
  } else if (state_ == TCheckBoxState::cbGrayed) {
    if (down_) {
      canvas.Pen() = {clBtnFace, 1, TPenStyle::psSolid};
      canvas.Brush() = {clBtnFace, TBrushStyle::bsSolid};
      canvas.Rectangle(s.left + 2, s.top + 2, s.right - 1, s.bottom - 1);
    }
    PaintTick(canvas, s, Unavailable(colorLow_));
  }
}

// The dotted rectangle around the shown caption, reaching the far edge
// when the caption is wider than the room beside the square.
void TDsCheck::PaintFocus(TCanvas& canvas, RECT rect, int textWidth) {
  const bool left = captionAlign_ == TDsAlignment::taLeft;
  if (left)
    rect.right = rect.left + textWidth;
  else
    rect.left = rect.right - textWidth;
  if (textWidth > Width() - Scaled(14)) {
    if (left)
      rect.right = Width() - 1;
    else
      rect.left = 1;
  }
  InflateRect(&rect, 1, 1);
  OffsetRect(&rect, 0, 1);
  canvas.Brush() = {ShownColor(), TBrushStyle::bsSolid};
  canvas.FrameRect(rect);
  if (Focused()) canvas.DrawFocusRect(rect);
}

void TDsCheck::Paint(TCanvas& canvas) {
  const RECT square = SquareRect();
  PaintSquare(canvas, square);
  int textWidth = 0;
  const RECT caption = PaintCaption(canvas, square, textWidth);
  PaintMark(canvas, square);
  if (focusRectangle_) PaintFocus(canvas, caption, textWidth);
}
