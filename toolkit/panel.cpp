#include "toolkit/panel.h"

TPanel::TPanel(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 185, 41) {
  SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
  outer_ = bevel;
  Realign();
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
  inner_ = bevel;
  Realign();
  Invalidate();
}

int TPanel::BevelWidth() const {
  return (outer_ != TBevelCut::bvNone ? 1 : 0) + (inner_ != TBevelCut::bvNone ? 1 : 0);
}

// Within the bevels, which are as many 96-dpi pixels wide at every DPI: an
// aligned child then meets the controls laid out beside the panel, its
// left and top edges scaled from their places in the form as theirs are.
RECT TPanel::AlignRect() const {
  const int bevel = BevelWidth();
  const POINT origin = DesignOrigin();
  RECT rect = ClientRect();
  rect.left += Scale(origin.x + bevel, Dpi()) - Scale(origin.x, Dpi());
  rect.top += Scale(origin.y + bevel, Dpi()) - Scale(origin.y, Dpi());
  rect.right -= Scaled(bevel);
  rect.bottom -= Scaled(bevel);
  return rect;
}

void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight) {
  canvas.Pen().color = topLeft;
  canvas.MoveTo(rect.left, rect.bottom - 1);
  canvas.LineTo(rect.left, rect.top);
  canvas.LineTo(rect.right - 1, rect.top);
  canvas.Pen().color = bottomRight;
  canvas.LineTo(rect.right - 1, rect.bottom - 1);
  canvas.LineTo(rect.left - 1, rect.bottom - 1);
  InflateRect(&rect, -1, -1);
}

void TPanel::Paint(TCanvas& canvas) {
  RECT rect = ClientRect();
  for (TBevelCut bevel : {outer_, inner_}) {
    if (bevel == TBevelCut::bvRaised) Frame3D(canvas, rect, clBtnHighlight, clBtnShadow);
    if (bevel == TBevelCut::bvLowered) Frame3D(canvas, rect, clBtnShadow, clBtnHighlight);
  }
  const std::wstring caption = Caption();
  if (caption.empty()) return;
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.DrawText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
