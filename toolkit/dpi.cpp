#include "toolkit/dpi.h"

namespace {

// A function of user32, which every window program has loaded, or nullptr
// on a Windows version that lacks it.
template <class F>
F* User32Function(const char* name) {
  return reinterpret_cast<F*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpi = UINT WINAPI(HWND);
  static GetDpi* const forWindow = User32Function<GetDpi>("GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

SIZE WindowSizeForClient(HWND window, int width, int height, int dpi) {
  using Adjust = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  static Adjust* const forDpi = User32Function<Adjust>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  if (forDpi)
    forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
  else
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}
