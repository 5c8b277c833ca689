#include "toolkit/canvas.h"

TCanvas::TCanvas(HDC dc, int dpi)
    : dc_(dc),
      dpi_(dpi),
      oldPen_(GetCurrentObject(dc, OBJ_PEN)),
      oldBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      oldFont_(GetCurrentObject(dc, OBJ_FONT)) {}

TCanvas::~TCanvas() {
  SelectObject(dc_, oldPen_);
  SelectObject(dc_, oldBrush_);
  SelectObject(dc_, oldFont_);
}

void TCanvas::RequirePen() {
  if (pen_.color == madePen_.color && pen_.width == madePen_.width &&
      pen_.style == madePen_.style)
    return;
  const int style = pen_.style == TPenStyle::psSolid ? PS_SOLID
                    : pen_.style == TPenStyle::psDot ? PS_DOT
                                                     : PS_NULL;
  ::Pen made(CreatePen(style, pen_.width, ColorToRGB(pen_.color)));
  SelectObject(dc_, made.Get());
  penHandle_ = std::move(made);
  madePen_ = pen_;
}

void TCanvas::RequireBrush() {
  if (brushMade_ && brush_.color == madeBrush_.color && brush_.style == madeBrush_.style) return;
  if (brush_.style == TBrushStyle::bsClear) {
    SelectObject(dc_, GetStockObject(NULL_BRUSH));
    brushHandle_.Reset();
  } else {
    ::Brush made(CreateSolidBrush(ColorToRGB(brush_.color)));
    SelectObject(dc_, made.Get());
    brushHandle_ = std::move(made);
  }
  madeBrush_ = brush_;
  brushMade_ = true;
}

void TCanvas::RequireFont() {
  if (madeFont_ && font_.SameFace(*madeFont_)) return;
  auto next = std::make_unique<TFont>(font_);
  SelectObject(dc_, next->Handle(dpi_));
  madeFont_ = std::move(next);
}

void TCanvas::PrepareText() {
  RequireFont();
  RequireBrush();
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.style == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.color));
  }
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::LineTo(dc_, x, y);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RequirePen();
  RequireBrush();
  ::Rectangle(dc_, x1, y1, x2, y2);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  RequirePen();
  RequireBrush();
  ::RoundRect(dc_, x1, y1, x2, y2, w, h);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  RequirePen();
  RequireBrush();
  ::Ellipse(dc_, x1, y1, x2, y2);
}

void TCanvas::Polygon(std::initializer_list<POINT> points) {
  RequirePen();
  RequireBrush();
  ::Polygon(dc_, points.begin(), static_cast<int>(points.size()));
}

void TCanvas::FillRect(const RECT& rect) {
  RequireBrush();
  if (brush_.style != TBrushStyle::bsClear) ::FillRect(dc_, &rect, brushHandle_.Get());
}

void TCanvas::FrameRect(const RECT& rect) {
  RequireBrush();
  if (brush_.style != TBrushStyle::bsClear) ::FrameRect(dc_, &rect, brushHandle_.Get());
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  SetTextColor(dc_, RGB(0, 0, 0));
  SetBkColor(dc_, RGB(255, 255, 255));
  ::DrawFocusRect(dc_, &rect);
}

void TCanvas::SetPixel(int x, int y, TColor color) { SetPixelV(dc_, x, y, ColorToRGB(color)); }

COLORREF TCanvas::Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::wstring& text) {
  PrepareText();
  const UINT opaque = brush_.style == TBrushStyle::bsClear ? 0 : ETO_OPAQUE;
  ExtTextOutW(dc_, x, y, ETO_CLIPPED | opaque, &rect, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  PrepareText();
  ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::wstring& text, RECT& rect, UINT format) {
  PrepareText();
  return ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  RequireFont();
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}
