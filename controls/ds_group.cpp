#include "controls/DsGroups.h"
#include "toolkit/hot_key.h"

namespace {

constexpr int kMaxCornerRadius = 16;

TControl* FirstFocusable(const TControl& control) {
  for (TControl* child : control.Children()) {
    if (child->CanFocus()) return child;
    if (TControl* inner = FirstFocusable(*child)) return inner;
  }
  return nullptr;
}

}  // namespace

TDsGroup::TDsGroup(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 145, 105) {
  SetParentColor(true);
}

void TDsGroup::SetFaceColor(TColor color) { ChangeProperty(*this, faceColor_, color); }

void TDsGroup::SetBorderStyle(TDsBorderStyle style) { ChangeProperty(*this, borderStyle_, style); }

void TDsGroup::SetCaptionAlign(TCapAlignment align) { ChangeProperty(*this, captionAlign_, align); }

void TDsGroup::SetCaptionStyle(TDsTextStyle style) { ChangeProperty(*this, captionStyle_, style); }

void TDsGroup::SetColorHigh(TColor color) { ChangeProperty(*this, colorHigh_, color); }

void TDsGroup::SetColorLow(TColor color) { ChangeProperty(*this, colorLow_, color); }

void TDsGroup::SetCornerRadius(int radius) {
  if (radius < 0 || radius > kMaxCornerRadius) return;
  ChangeProperty(*this, cornerRadius_, radius);
}

void TDsGroup::TextChanged() {
  Invalidate();
  Realign();
}

void TDsGroup::FontChanged() {
  TCustomControl::FontChanged();
  Realign();
}

bool TDsGroup::DialogChar(wchar_t ch) {
  if (!IsHotKey(Caption(), ch) || !Focusable()) return false;
  if (TControl* first = FirstFocusable(*this)) first->SetFocus();
  return true;
}

RECT TDsGroup::AlignRect() const {
  TCanvas canvas(MeasuringDC(), Dpi());
  canvas.Font().Assign(Font());
  RECT rect = ClientRect();
  rect.top += canvas.TextHeight(L"0");
  InflateRect(&rect, -Scaled(2), -Scaled(2));
  return rect;
}

// The caption's place in the top edge; empty for an empty caption.
RECT TDsGroup::CaptionRect(TCanvas& canvas, const std::wstring& caption) {
  const int width = caption.empty() ? 0 : CaptionWidth(canvas, caption) + 2;
  const int height = canvas.TextHeight(caption);
  const int r = cornerRadius_;
  const int margin = Scaled(r < 4 ? 8 : r + 4);
  int left = 0;
  switch (captionAlign_) {
    case TCapAlignment::caLeft:
      left = margin;
      break;
    case TCapAlignment::caCenter:
      left = (Width() - width) / 2;
      break;
    case TCapAlignment::caRight:
      left = Width() - width - margin;
      break;
  }
  return {left, 0, left + width, height};
}

// The face and the outline, whose top edge runs along row line.
void TDsGroup::PaintFrame(TCanvas& canvas, int line) {
  const int w = Width();
  const int h = Height();
  const int d = Scaled(2 * cornerRadius_);
  const TColor face = Themed(faceColor_, TColorRole::crFace);
  const TColor low = Themed(colorLow_, TColorRole::crText);
  canvas.Pen() = {face, 1, TPenStyle::psSolid};
  canvas.Brush() = {face, TBrushStyle::bsSolid};
  canvas.RoundRect(0, line + 1, w - 1, h - 1, d, d);
  canvas.Brush().style = TBrushStyle::bsClear;
  if (borderStyle_ == TDsBorderStyle::brFlat) {
    canvas.Pen().color = Themed(colorHigh_, TColorRole::crFace);
    canvas.RoundRect(1, line + 1, w, h, d, d);
    canvas.Pen().color = low;
    canvas.RoundRect(0, line, w - 1, h - 1, d, d);
  } else {
    canvas.Pen().color = low;
    canvas.RoundRect(0, line, w, h, d, d);
  }
}

void TDsGroup::Paint(TCanvas& canvas) {
  const std::wstring caption = Caption();
  const RECT text = CaptionRect(canvas, caption);
  const int line = canvas.TextHeight(caption) / 2;
  PaintFrame(canvas, line);
  canvas.Pen().color = ShownColor();
  canvas.MoveTo(text.left, line);
  canvas.LineTo(text.right, line);
  if (borderStyle_ == TDsBorderStyle::brFlat) {
    canvas.Pen().color = Themed(faceColor_, TColorRole::crFace);
    canvas.MoveTo(text.left, line + 1);
    canvas.LineTo(text.right, line + 1);
  }
  canvas.Font().SetColor(ShownTextColor());
  DrawStyledText(canvas, caption, text, DT_SINGLELINE | DT_CENTER, ShownTextStyle(captionStyle_),
                 colorHigh_);
}
