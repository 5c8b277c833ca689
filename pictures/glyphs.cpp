#include "pictures/glyphs.h"

#include "pictures/draw_picture.h"

#include <algorithm>

namespace {

constexpr int kGlyphSize = 16;
constexpr TColor kOutline = 0x303030;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kRed = 0x0000D0;

using Painter = void (*)(TCanvas&);

// The greyed twin of a glyph drawn by DrawPicture: every dark pixel becomes
// a shadow pixel with a highlight one step down and right, as the system
// draws disabled pictures; light pixels vanish. Made in the pixels
// themselves: set one at a time, they cost Wine about a millisecond a glyph.
Bitmap Greyed(const Bitmap& normal) {
  DIBSECTION section{};
  GetObjectW(normal.Get(), sizeof(section), &section);
  GdiFlush();
  const auto* pixels = static_cast<const unsigned*>(section.dsBm.bmBits);
  unsigned* greyed = nullptr;
  Bitmap bitmap = TopDownBitmap(kGlyphSize, kGlyphSize, &greyed);
  std::fill_n(greyed, kGlyphSize * kGlyphSize, DibPixel(kTransparentKey));
  const unsigned shadow = DibPixel(GetSysColor(COLOR_BTNSHADOW));
  const unsigned highlight = DibPixel(GetSysColor(COLOR_BTNHIGHLIGHT));
  const auto dark = [&](int x, int y) {
    const COLORREF pixel = DibColour(pixels[y * kGlyphSize + x]);
    const int light = GetRValue(pixel) * 3 + GetGValue(pixel) * 6 + GetBValue(pixel);
    return pixel != kTransparentKey && light <= 1800;
  };
  for (int y = 0; y + 1 < kGlyphSize; ++y) {
    for (int x = 0; x + 1 < kGlyphSize; ++x) {
      if (dark(x, y)) greyed[(y + 1) * kGlyphSize + x + 1] = highlight;
    }
  }
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      if (dark(x, y)) greyed[y * kGlyphSize + x] = shadow;
    }
  }
  return bitmap;
}

TGlyph MakeGlyph(Painter paint) {
  TGlyph glyph{DrawPicture(kGlyphSize, kGlyphSize, kTransparentKey, paint), {}};
  glyph.disabled = Greyed(glyph.normal);
  return glyph;
}

void PaintQuestion(TCanvas& canvas) {
  canvas.Pen().color = kOutline;
  canvas.Brush().color = kYellow;
  canvas.Ellipse(1, 0, 16, 15);
  canvas.Pen().color = kRed;
  canvas.Pen().width = 2;
  canvas.MoveTo(6, 5);
  canvas.LineTo(7, 3);
  canvas.LineTo(10, 3);
  canvas.LineTo(11, 5);
  canvas.LineTo(8, 8);
  canvas.LineTo(8, 10);
  canvas.Pen().width = 1;
  canvas.Brush().color = kRed;
  canvas.Rectangle(7, 11, 10, 13);
}

void PaintBook(TCanvas& canvas) {
  canvas.Pen().color = 0x800000;
  canvas.Brush().color = 0xC06000;
  canvas.Polygon({{1, 4}, {8, 6}, {15, 4}, {15, 14}, {8, 15}, {1, 14}});
  canvas.Pen().color = kOutline;
  canvas.Brush().color = clWhite;
  canvas.Polygon({{2, 2}, {8, 4}, {8, 13}, {2, 12}});
  canvas.Polygon({{14, 2}, {8, 4}, {8, 13}, {14, 12}});
  canvas.Pen().color = 0x808080;
  for (int y = 6; y <= 10; y += 2) {
    canvas.MoveTo(3, y - 1);
    canvas.LineTo(7, y);
    canvas.MoveTo(9, y);
    canvas.LineTo(13, y - 1);
  }
}

void PaintWritingHand(TCanvas& canvas) {
  canvas.Pen().color = kOutline;
  canvas.Brush().color = clWhite;
  canvas.Rectangle(1, 1, 11, 15);
  canvas.Pen().color = 0x808080;
  for (int y = 4; y <= 12; y += 2) {
    canvas.MoveTo(3, y);
    canvas.LineTo(9, y);
  }
  // The pencil, held from the lower right, its point on the page.
  canvas.Pen().color = kOutline;
  canvas.Brush().color = 0x00C0FF;
  canvas.Polygon({{7, 11}, {13, 3}, {15, 5}, {9, 13}});
  canvas.Brush().color = 0x80B0F0;
  canvas.Ellipse(9, 8, 16, 15);
}

void PaintArrow(TCanvas& canvas) {
  canvas.Pen().color = 0x006080;
  canvas.Brush().color = kYellow;
  canvas.Polygon({{1, 10}, {15, 10}, {15, 2}, {28, 16}, {15, 30}, {15, 22}, {1, 22}});
}

}  // namespace

TGlyph QuestionGlyph() { return MakeGlyph(PaintQuestion); }
TGlyph BookGlyph() { return MakeGlyph(PaintBook); }
TGlyph WritingHandGlyph() { return MakeGlyph(PaintWritingHand); }
Bitmap YellowArrow() { return DrawPicture(30, 33, kTransparentKey, PaintArrow); }
