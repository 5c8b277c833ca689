// The floor of the start-up benchmark as a program of its own: a bare
// window with the same kinds of controls as the main window, made from the
// shape file named on its command line, shown, and run until it is closed.
#include <windows.h>
#include <commctrl.h>

#include "bench/window_shape.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const HWND window = BuildBare(LoadShape(commandLine));
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (IsWindow(window) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
