#include "toolkit/gdi.h"

#include <stdexcept>

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

Bitmap TopDownBitmap(int width, int height, unsigned** bits) {
  const BITMAPINFO info = TopDownInfo(width, height);
  void* pixels = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!bitmap) throw std::runtime_error("CreateDIBSection failed");
  if (bits) *bits = static_cast<unsigned*>(pixels);
  return bitmap;
}

PixelBitmap::PixelBitmap(int width, int height) : width_(width), height_(height) {
  unsigned* bits = nullptr;
  bitmap_ = TopDownBitmap(width, height, &bits);
  bits_ = bits;
}

COLORREF PixelBitmap::Pixel(int x, int y) const {
  GdiFlush();
  return DibColour(bits_[static_cast<size_t>(y) * width_ + x]);
}

HDC MeasuringDC() {
  static const MemoryDC dc;
  return dc.Get();
}

void DrawFocusAround(HWND window) {
  const WindowDC dc(window);
  RECT client{};
  GetClientRect(window, &client);
  DrawFocusRect(dc.Get(), &client);
}
