#include "controls/XPGraphUtil.h"

#include <algorithm>

namespace {

struct Channels {
  int red;
  int green;
  int blue;
};

Channels Split(TColor color) {
  const COLORREF rgb = ColorToRGB(color);
  return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

int Blend(int start, int difference, int index, int last) {
  return std::clamp(start + MulDiv(index, difference, last), 0, 255);
}

bool Vertical(TGradientDirection direction) {
  return direction == TGradientDirection::gdDown || direction == TGradientDirection::gdUp;
}

// The band of rect from offset to offset + size along the gradient.
RECT Band(const RECT& rect, bool vertical, int offset, int size) {
  RECT band = rect;
  if (vertical) {
    band.top = rect.top + offset;
    band.bottom = band.top + size;
  } else {
    band.left = rect.left + offset;
    band.right = band.left + size;
  }
  return band;
}

void Fill(TCanvas& canvas, const RECT& rect, TColor color) {
  canvas.Brush() = {color, TBrushStyle::bsSolid};
  canvas.FillRect(rect);
}

void FillBands(TCanvas& canvas, const RECT& rect, TColor startColor, TColor endColor, bool vertical,
               int count) {
  const int extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
  const int size = extent / count;
  const Channels start = Split(startColor);
  const Channels end = Split(endColor);
  const Channels difference{end.red - start.red, end.green - start.green, end.blue - start.blue};
  if (size > 0) {
    for (int j = 0; j < count; ++j) {
      const TColor color = RGB(Blend(start.red, difference.red, j, count - 1),
                               Blend(start.green, difference.green, j, count - 1),
                               Blend(start.blue, difference.blue, j, count - 1));
      Fill(canvas, Band(rect, vertical, j * size, size), color);
    }
  }
  const int rest = extent % count;
  if (rest > 0) Fill(canvas, Band(rect, vertical, extent - rest, rest), endColor);
}

}  // namespace

void FillGradient(TCanvas& canvas, const RECT& rect, TColor first, TColor second,
                  TGradientDirection direction, std::uint8_t steps) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  const TBrush saved = canvas.Brush();
  if (steps < 2) {
    Fill(canvas, rect, first);
  } else {
    const bool vertical = Vertical(direction);
    const bool reversed =
        direction == TGradientDirection::gdUp || direction == TGradientDirection::gdLeft;
    const int extent = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const int count = std::max(2, std::min<int>(steps, extent));
    FillBands(canvas, rect, reversed ? second : first, reversed ? first : second, vertical, count);
  }
  canvas.Brush() = saved;
}
