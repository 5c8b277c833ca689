#pragma once

#include "toolkit/custom_control.h"

// Draws a bitmap into dc at rect; with transparent set, the colour of the
// bitmap's bottom-left pixel is left out.
void DrawBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, bool transparent);
SIZE BitmapSize(HBITMAP bitmap);

// Shows a bitmap, at its own size in the top-left corner, centred, or
// stretched over the control.
class TImage : public TCustomControl {
 public:
  TImage(TComponent* owner, TControl* parent, const std::optional<TBounds>& bounds = std::nullopt);

  // Takes the bitmap over.
  void SetPicture(Bitmap picture);
  HBITMAP Picture() const { return picture_.Get(); }
  void SetStretch(bool stretch);
  void SetCenter(bool center);
  void SetTransparent(bool transparent);

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  Bitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};
