#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "toolkit/font.h"

enum class TPenStyle { psSolid, psDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

struct TPen {
  TColor color = clBlack;
  int width = 1;
  TPenStyle style = TPenStyle::psSolid;
};

struct TBrush {
  TColor color = clWhite;
  TBrushStyle style = TBrushStyle::bsSolid;
};

// Pen, brush and font over a device context, with the GDI operations the
// controls draw with. Changed tools are made and selected lazily before the
// next operation; everything selected is put back when the canvas goes.
class TCanvas {
 public:
  // Text is drawn at dpi: the font's height is a 96-dpi measure.
  explicit TCanvas(HDC dc, int dpi = kDesignDpi);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  HDC Handle() const { return dc_; }
  int Dpi() const { return dpi_; }

  // The tools; a change takes effect with the next drawing operation.
  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2);
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Polygon(std::initializer_list<POINT> points);
  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void DrawFocusRect(const RECT& rect);
  void SetPixel(int x, int y, TColor color);
  COLORREF Pixel(int x, int y) const;

  // Text at (x, y) clipped to rect; opaque in the brush colour unless the
  // brush is clear.
  void TextRect(const RECT& rect, int x, int y, const std::wstring& text);
  void TextOut(int x, int y, const std::wstring& text);
  int DrawText(const std::wstring& text, RECT& rect, UINT format);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

 private:
  void RequirePen();
  void RequireBrush();
  void RequireFont();
  void PrepareText();

  HDC dc_;
  int dpi_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPen madePen_{clBlack, -1, TPenStyle::psSolid};
  TBrush madeBrush_{clBlack, TBrushStyle::bsSolid};
  bool brushMade_ = false;
  std::unique_ptr<TFont> madeFont_;
  ::Pen penHandle_;
  ::Brush brushHandle_;
  HGDIOBJ oldPen_;
  HGDIOBJ oldBrush_;
  HGDIOBJ oldFont_;
};
