#include "tests/support/window_pixels.h"

#include "tests/support/temp_dir.h"
#include "toolkit/gdi.h"

std::vector<COLORREF> ShownPixels(HWND window) {
  PumpMessages();
  RECT rect;
  GetWindowRect(window, &rect);
  const PixelBitmap shot(rect.right - rect.left, rect.bottom - rect.top);
  const MemoryDC memory;
  {
    const SelectGuard selected(memory.Get(), shot.Handle());
    const HDC dc = GetWindowDC(window);
    BitBlt(memory.Get(), 0, 0, shot.Width(), shot.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) pixels.push_back(shot.Pixel(x, y));
  return pixels;
}
