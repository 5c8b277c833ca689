#include "toolkit/dpi.h"

#include "toolkit/gdi.h"
#include "toolkit/system_library.h"

namespace {

int ScreenDpi() {
  const WindowDC screen;
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpi = UINT WINAPI(HWND);
  static GetDpi* const forWindow = LoadedFunction<GetDpi>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

SIZE WindowSizeForClient(HWND window, int width, int height, int dpi) {
  using Adjust = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  static Adjust* const forDpi = LoadedFunction<Adjust>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT rect{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  if (forDpi)
    forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
  else
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}
