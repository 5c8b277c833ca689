#pragma once

#include "toolkit/canvas.h"
#include "toolkit/gdi.h"

// A picture of the given size, filled with the background colour and then
// painted.
template <class Paint>
Bitmap DrawPicture(int width, int height, TColor background, const Paint& paint) {
  WindowDC screen;
  Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap.Get());
  TCanvas canvas(dc.Get());
  canvas.Brush().color = background;
  canvas.FillRect({0, 0, width, height});
  paint(canvas);
  return bitmap;
}
