#include "pictures/glyphs.h"

#include "pictures/draw_picture.h"

#include <vector>

namespace {

constexpr int kGlyphSize = 16;
constexpr TColor kOutline = 0x303030;
constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kRed = 0x0000D0;

using Painter = void (*)(TCanvas&);

// The glyph's pixels, row by row from the top, read in one go: reading them
// one at a time cost Wine about a millisecond a glyph.
std::vector<COLORREF> Pixels(const Bitmap& glyph) {
  BITMAPINFO info = TopDownInfo(kGlyphSize, kGlyphSize);
  std::vector<RGBQUAD> quads(kGlyphSize * kGlyphSize);
  const WindowDC screen;
  GetDIBits(screen.Get(), glyph.Get(), 0, kGlyphSize, quads.data(), &info, DIB_RGB_COLORS);
  std::vector<COLORREF> pixels;
  pixels.reserve(quads.size());
  for (const RGBQUAD& quad : quads) pixels.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
  return pixels;
}

// The greyed twin of a glyph: every dark pixel becomes a shadow pixel with
// a highlight one step down and right, as the system draws disabled
// pictures; light pixels vanish.
Bitmap Greyed(const Bitmap& normal) {
  const std::vector<COLORREF> pixels = Pixels(normal);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  return DrawPicture(kGlyphSize, kGlyphSize, kTransparentKey, [&](TCanvas& canvas) {
    for (int pass = 0; pass < 2; ++pass) {
      for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
          const COLORREF pixel = pixels[static_cast<size_t>(y * kGlyphSize + x)];
          const int light = GetRValue(pixel) * 3 + GetGValue(pixel) * 6 + GetBValue(pixel);
          if (pixel == kTransparentKey || light > 1800) continue;
          if (pass == 0 && x + 1 < kGlyphSize && y + 1 < kGlyphSize) {
            SetPixel(canvas.Handle(), x + 1, y + 1, highlight);
          } else if (pass == 1) {
            SetPixel(canvas.Handle(), x, y, shadow);
          }
        }
      }
    }
  });
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
