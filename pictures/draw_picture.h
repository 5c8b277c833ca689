#pragma once

#include "toolkit/canvas.h"
#include "toolkit/gdi.h"

// A picture of the given size, filled with the background colour and then
// painted: a 32-bit top-down DIB section.
template <class Paint>
Bitmap DrawPicture(int width, int height, TColor background, const Paint& paint) {
  Bitmap bitmap = TopDownBitmap(width, height);
  MemoryDC dc;
  SelectGuard select(dc.Get(), bitmap.Get());
  TCanvas canvas(dc.Get());
  canvas.Brush().color = background;
  canvas.FillRect({0, 0, width, height});
  paint(canvas);
  return bitmap;
}
