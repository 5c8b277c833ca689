#pragma once

#include "toolkit/custom_control.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A plain container with an outer and an inner bevel and an optional
// centred caption. Aligned children are laid out inside the bevels.
class TPanel : public TCustomControl {
 public:
  TPanel(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt);

  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  void SetBevelOuter(TBevelCut bevel);
  void SetBevelInner(TBevelCut bevel);

 protected:
  void Paint(TCanvas& canvas) override;
  RECT AlignRect() const override;
  void TextChanged() override { Invalidate(); }

 private:
  int BevelWidth() const;

  TBevelCut outer_ = TBevelCut::bvRaised;
  TBevelCut inner_ = TBevelCut::bvNone;
};

// Draws a one-pixel 3D frame just inside rect and shrinks rect by it.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight);
