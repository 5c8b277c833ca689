#pragma once

#include "toolkit/custom_control.h"

enum class TShapeType { stRectangle, stEllipse, stCircle };

// A rectangle, ellipse or circle drawn with a pen and a brush.
class TShape : public TCustomControl {
 public:
  TShape(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt);

  void SetShape(TShapeType shape);
  void SetPen(const TPen& pen);
  void SetBrush(const TBrush& brush);

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TPen pen_;
  TBrush brush_;
};
