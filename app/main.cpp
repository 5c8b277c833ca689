#include <windows.h>
#include <commctrl.h>

#include "frontend/zh_tarn.h"
#include "toolkit/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  zh_tarnF = Application().CreateForm<Tzh_tarnF>();
  Application().Run();
  zh_tarnF = nullptr;
  return 0;
}
