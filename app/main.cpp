#include <windows.h>
#include <commctrl.h>

#include "app/instance_lock.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"
#include "toolkit/system_library.h"

// A start in a program folder that another instance serves brings that
// instance forward and ends; when it cannot, or cannot tell whether another
// instance serves the folder, it says so and ends. No library is looked for
// in the program folder, which may be a downloads folder with anything in it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  RestrictLibrarySearch();
  TInstanceLock lock(CurrentDirectory());
  if (lock.Taken()) {
    if (!lock.ActivateServing()) {
      Interaction().MessageDialog(nullptr, lock.RefusalText(), Application().Title(),
                                  MB_OK | MB_ICONEXCLAMATION);
    }
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  Tzh_tarnF* mainWindow = Application().CreateForm<Tzh_tarnF>();
  zh_tarnF = mainWindow;
  lock.Publish(mainWindow->Handle());
  Application().Run();
  zh_tarnF = nullptr;
  return 0;
}
