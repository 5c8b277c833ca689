#include "toolkit/shape.h"

#include <algorithm>

TShape::TShape(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds)
    : TCustomControl(owner, parent, bounds, 65, 65) {
  SetParentColor(true);
}

void TShape::SetShape(TShapeType shape) {
  shape_ = shape;
  Invalidate();
}

void TShape::SetPen(const TPen& pen) {
  pen_ = pen;
  Invalidate();
}

void TShape::SetBrush(const TBrush& brush) {
  brush_ = brush;
  Invalidate();
}

void TShape::Paint(TCanvas& canvas) {
  canvas.Pen() = pen_;
  canvas.Pen().width = Scaled(pen_.width);
  canvas.Brush() = brush_;
  // The outline lies inside the bounds, whatever the pen width.
  const int inset = canvas.Pen().width / 2;
  RECT rect = ClientRect();
  InflateRect(&rect, -inset, -inset);
  if (canvas.Pen().width == 0) InflateRect(&rect, 1, 1);
  if (shape_ == TShapeType::stCircle) {
    const int side = std::min(rect.right - rect.left, rect.bottom - rect.top);
    rect.left += (rect.right - rect.left - side) / 2;
    rect.top += (rect.bottom - rect.top - side) / 2;
    rect.right = rect.left + side;
    rect.bottom = rect.top + side;
  }
  if (shape_ == TShapeType::stRectangle)
    canvas.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
  else
    canvas.Ellipse(rect.left, rect.top, rect.right, rect.bottom);
}
