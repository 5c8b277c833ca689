#pragma once

#include <windows.h>

#include "toolkit/unique_handle.h"

// Small owners of GDI and window handles, so every object is released on
// every path.

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a device context and puts the old one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory device context compatible with the screen.
class MemoryDC {
 public:
  MemoryDC() : dc_(CreateCompatibleDC(nullptr)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() { DeleteDC(dc_); }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's paint, from BeginPaint to EndPaint: the paint is ended, and the
// region it was asked for counts as painted, however the painting ends.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(window_, &paint_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// The device context of a window, for measuring.
class WindowDC {
 public:
  explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() { ReleaseDC(window_, dc_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// One memory device context kept for measuring text, rather than a window's
// asked for and given back for every measure. For the user-interface thread.
HDC MeasuringDC();

// Draws the dotted focus rectangle round the window's client area, over
// what the window painted.
void DrawFocusAround(HWND window);

// The header of a 32-bit top-down device-independent bitmap.
BITMAPINFO TopDownInfo(int width, int height);

// A pixel of a 32-bit DIB (blue in the low byte) as a colour, and back.
inline COLORREF DibColour(unsigned pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
inline unsigned DibPixel(COLORREF colour) {
  return static_cast<unsigned>(GetRValue(colour)) << 16 | GetGValue(colour) << 8 |
         GetBValue(colour);
}

// A 32-bit top-down DIB section, which needs no screen device context (Wine
// takes a third of a millisecond to hand one out); bits, when given, gets
// its pixels, row by row from the top, blue in the low byte. Raises
// std::runtime_error when it cannot be made.
Bitmap TopDownBitmap(int width, int height, unsigned** bits = nullptr);

// A 32-bit top-down DIB section whose pixels can be read directly.
class PixelBitmap {
 public:
  PixelBitmap(int width, int height);
  HBITMAP Handle() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel at (x, y) as a COLORREF (red in the low byte).
  COLORREF Pixel(int x, int y) const;

 private:
  int width_;
  int height_;
  const unsigned* bits_ = nullptr;
  Bitmap bitmap_;
};
