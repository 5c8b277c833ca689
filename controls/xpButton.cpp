#include "controls/xpButton.h"

#include "controls/XPGraphUtil.h"
#include "controls/keyboard.h"
#include "toolkit/form.h"
#include "toolkit/hot_key.h"

namespace {

constexpr TColor kBorderFrame = RGB(0, 60, 116);
constexpr TColor kPlainFrame = RGB(128, 128, 128);
constexpr TColor kRestingLight = RGB(252, 252, 252);
constexpr TColor kPressedLight = RGB(240, 240, 240);
constexpr TColor kTopHighlight = RGB(206, 231, 255);
constexpr TColor kBottomShade = RGB(105, 130, 238);
constexpr TColor kInnerFrame = RGB(188, 212, 246);
constexpr TColor kDisabledFace = RGB(241, 241, 237);
constexpr TColor kDisabledOuter = RGB(214, 211, 211);
constexpr TColor kDisabledInner = RGB(196, 195, 191);
constexpr TColor kDisabledText = RGB(161, 161, 146);

// The red, green and blue bytes of a colour, a system colour's index byte
// included as red: the face colours are mixed from their bytes.
TColor LowBytes(TColor color) { return color & 0xFFFFFFu; }

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas.Pen() = {color, 1, TPenStyle::psSolid};
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

std::wstring WithoutFirstAmpersand(const std::wstring& caption) {
  std::wstring shown = caption;
  const size_t at = shown.find(L'&');
  if (at != std::wstring::npos) shown.erase(at, 1);
  return shown;
}

// Mouse buttons and keys: a disabled window gets none from the user, and
// none that reaches it some other way is acted on.
bool IsInput(UINT msg) {
  return (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) || msg == WM_KEYDOWN || msg == WM_KEYUP;
}

}  // namespace

TxpButton::TxpButton(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 75, 25, WS_TABSTOP) {
  SetFont(TFont());
  SetText(L"XP Button");
  SetColor(kButtonFace);
}

void TxpButton::SetCaption(const std::wstring& caption) {
  if (caption == Text()) return;
  SetText(caption);
  Repaint();
}

void TxpButton::SetBackgroundColor(TColor color) {
  backgroundColor_ = color;
  Repaint();
}

void TxpButton::SetFocusColor(TColor color) {
  focusColor_ = color;
  Repaint();
}

void TxpButton::SetFlatColor(TColor color) {
  flatColor_ = color;
  Repaint();
}

void TxpButton::SetFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  Repaint();
}

void TxpButton::SetBorder(bool border) { SetFlag(border_, border); }

void TxpButton::SetFocusRectangle(bool focusRectangle) { SetFlag(focusRectangle_, focusRectangle); }

void TxpButton::SetButtonFlat(bool buttonFlat) { SetFlag(buttonFlat_, buttonFlat); }

void TxpButton::ColorChanged() {
  TCustomControl::ColorChanged();
  Repaint();
}

// The button keeps its own font whatever ParentFont says.
void TxpButton::ParentFontChanged() {}

void TxpButton::FontChanged() {
  TCustomControl::FontChanged();
  Repaint();
}

void TxpButton::Click() {
  if (OnClick) OnClick(this);
  if (modalResult_ == 0) return;
  if (auto* form = dynamic_cast<TForm*>(Owner())) form->SetModalResult(modalResult_);
}

TAccessibleFacts TxpButton::AccessibleFacts() const {
  const long state = AccessibleState() | (default_ ? STATE_SYSTEM_DEFAULT : 0);
  return {ROLE_SYSTEM_PUSHBUTTON, ShownCaption(Caption()), state, L"Press"};
}

bool TxpButton::DialogKey(WORD key) {
  if (Enabled() && ((cancel_ && key == VK_ESCAPE) || (default_ && key == VK_RETURN))) Click();
  return false;
}

bool TxpButton::DialogChar(wchar_t ch) {
  if (IsHotKey(Caption(), ch)) Click();
  return false;
}

void TxpButton::MouseEnter() { SetFlag(hot_, true); }

void TxpButton::MouseLeave() { SetFlag(hot_, false); }

void TxpButton::DoEnter() {
  if (!focused_) {
    focused_ = true;
    Invalidate();
  }
  TCustomControl::DoEnter();
}

void TxpButton::DoExit() {
  if (focused_) {
    focused_ = false;
    Invalidate();
  }
  TCustomControl::DoExit();
}

void TxpButton::LeftDown() {
  if (pressed_) return;
  pressed_ = true;
  if (!Focused() && Enabled()) SetFocus();
  Repaint();
}

void TxpButton::LeftUp() {
  if (!pressed_) return;
  pressed_ = false;
  Repaint();
  Click();
}

void TxpButton::KeyDown(WORD key) {
  if (pressed_ || (key != VK_RETURN && key != VK_SPACE)) return;
  pressed_ = true;
  Invalidate();
}

void TxpButton::KeyUp() {
  if (!pressed_) return;
  pressed_ = false;
  Invalidate();
  Click();
}

LRESULT TxpButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!Enabled() && IsInput(msg)) return 0;
  switch (msg) {
    case WM_LBUTTONDOWN:
      LeftDown();
      return 0;
    case WM_LBUTTONUP:
      LeftUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      Click();
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return 0;
    case WM_KEYDOWN:
      if (RaiseKey(OnKeyDown, this, wParam)) KeyDown(static_cast<WORD>(wParam));
      break;
    case WM_KEYUP:
      if (RaiseKey(OnKeyUp, this, wParam)) KeyUp();
      break;
    default:
      break;
  }
  return TCustomControl::WndProc(msg, wParam, lParam);
}

void TxpButton::Paint(TCanvas& canvas) {
  if (Parent()) {
    canvas.Brush() = {Parent()->ShownColor(), TBrushStyle::bsSolid};
    canvas.FillRect(ClientRect());
  }
  if (HighContrast())
    PaintContrasting(canvas);
  else if (Enabled())
    PaintEnabled(canvas);
  else
    PaintDisabled(canvas);
}

// Within the frame and its edges: the caption's room and the focus cue.
RECT TxpButton::InnerRect() const {
  const int inset = Scaled(4);
  return {inset, inset, Width() - inset, Height() - inset};
}

void TxpButton::PaintFrame(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  canvas.Brush() = {buttonFlat_ ? flatColor_ : baseColor_, TBrushStyle::bsSolid};
  canvas.Pen() = {backgroundColor_, 1, TPenStyle::psSolid};
  canvas.RoundRect(0, 0, w, h, Scaled(3), Scaled(3));
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.Pen().color = border_ ? kBorderFrame : kPlainFrame;
  canvas.RoundRect(1, 1, w - 1, h - 1, Scaled(3), Scaled(3));
}

void TxpButton::PaintFace(TCanvas& canvas) {
  const int inset = Scaled(border_ ? 4 : 3);
  const RECT face{inset, inset, Width() - inset, Height() - inset};
  const TColor color = LowBytes(Color());
  const int height = ClientRect().bottom;
  if (pressed_ && hot_)
    FillGradient(canvas, face, kPressedLight, color, TGradientDirection::gdUp,
                 static_cast<std::uint8_t>(height / 2));
  else if (!buttonFlat_)
    FillGradient(canvas, face, kRestingLight, color, TGradientDirection::gdDown,
                 static_cast<std::uint8_t>(height / 3));
}

void TxpButton::PaintEdges(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  if (border_) {
    Line(canvas, kTopHighlight, 3, 2, w - 3, 2);
    Line(canvas, kBottomShade, 3, h - 3, w - 3, h - 3);
    canvas.Pen().color = kInnerFrame;
    canvas.Rectangle(2, 3, w - 2, h - 3);
  }
  Line(canvas, clWhite, 3, 4, 3, h - 4);
  Line(canvas, clWhite, w - 4, 4, w - 4, h - 4);
  const TColor outer = border_ ? backgroundColor_ : clBtnFace;
  Line(canvas, outer, 3, h - 1, w - 3, h - 1);
  Line(canvas, outer, w - 1, h - 4, w - 1, 2);
  if (hot_) {
    canvas.Pen() = {LowBytes(focusColor_), 1, TPenStyle::psSolid};
    canvas.RoundRect(3, 3, w - 3, h - 3, Scaled(2), Scaled(2));
  }
}

void TxpButton::PaintContrasting(TCanvas& canvas) {
  const bool lit = Enabled() && (hot_ || pressed_);
  const TColorRole text = !Enabled() ? TColorRole::crUnavailable
                          : lit      ? TColorRole::crHighlightText
                                     : TColorRole::crText;
  canvas.Brush() = {RoleColor(lit ? TColorRole::crHighlight : TColorRole::crFace),
                    TBrushStyle::bsSolid};
  canvas.Pen() = {RoleColor(text), 1, TPenStyle::psSolid};
  canvas.RoundRect(0, 0, Width(), Height(), Scaled(3), Scaled(3));
  canvas.Font().Assign(Font());
  canvas.Font().SetColor(RoleColor(text));
  PaintCaption(canvas, pressed_ && hot_ ? 1 : 0);
  if (focused_ && focusRectangle_) canvas.DrawFocusRect(InnerRect());
}

void TxpButton::PaintEnabled(TCanvas& canvas) {
  const int shift = pressed_ ? 1 : 0;
  PaintFrame(canvas);
  PaintFace(canvas);
  PaintEdges(canvas);
  canvas.Font().Assign(Font());
  PaintCaption(canvas, shift);
  if (focused_ && focusRectangle_) canvas.DrawFocusRect(InnerRect());
}

void TxpButton::PaintDisabled(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  canvas.Brush() = {kDisabledFace, TBrushStyle::bsSolid};
  canvas.Pen() = {kDisabledOuter, 1, TPenStyle::psSolid};
  canvas.RoundRect(0, 0, w, h, Scaled(3), Scaled(3));
  for (const POINT corner : {POINT{0, 0}, POINT{w - 1, 0}, POINT{w - 1, h - 1}, POINT{0, h - 1}})
    canvas.SetPixel(corner.x, corner.y, clBtnFace);
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.Pen().color = kDisabledInner;
  canvas.RoundRect(1, 1, w - 1, h - 1, Scaled(5), Scaled(5));
  canvas.Font().Assign(Font());
  canvas.Font().SetColor(kDisabledText);
  PaintCaption(canvas, 0);
}

// The caption centred (shifted by one pixel while held down), with the
// character after its first '&' underlined.
void TxpButton::PaintCaption(TCanvas& canvas, int shift) {
  const std::wstring caption = Caption();
  const std::wstring shown = WithoutFirstAmpersand(caption);
  const SIZE extent = canvas.TextExtent(shown);
  const int x = (Width() - extent.cx) / 2 + shift;
  const int y = (Height() - extent.cy) / 2 + shift;
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.TextRect(InnerRect(), x, y, shown);
  const size_t at = caption.find(L'&');
  if (at == std::wstring::npos) return;
  const int from = canvas.TextWidth(shown.substr(0, at));
  const int to = canvas.TextWidth(shown.substr(0, at + 1));
  Line(canvas, canvas.Font().Color(), x + from, y + extent.cy, x + to, y + extent.cy);
}
