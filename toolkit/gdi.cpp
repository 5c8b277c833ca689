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

PixelBitmap::PixelBitmap(int width, int height) : width_(width), height_(height) {
  const BITMAPINFO info = TopDownInfo(width, height);
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) throw std::runtime_error("CreateDIBSection failed");
  bits_ = static_cast<const unsigned*>(bits);
}

COLORREF PixelBitmap::Pixel(int x, int y) const {
  GdiFlush();
  const unsigned bgr = bits_[static_cast<size_t>(y) * width_ + x];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void DrawFocusAround(HWND window) {
  const WindowDC dc(window);
  RECT client{};
  GetClientRect(window, &client);
  DrawFocusRect(dc.Get(), &client);
}
