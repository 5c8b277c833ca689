#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "app/instance_lock.h"
#include "app/program_folder.h"
#include "frontend/start_arguments.h"
#include "frontend/zh_tarn.h"
#include "toolkit/application.h"
#include "toolkit/file_names.h"
#include "toolkit/interaction.h"
#include "toolkit/system_library.h"

// The program folder is the folder that holds the converter, made the
// current directory, in which the main window finds it: a start from a
// shortcut, a console or the shell in another folder serves the
// executable's own. A model on the command line is made full from the
// starter's folder first.
// A start in a program folder that another instance serves brings that
// instance forward, hands it its model and ends; when it cannot, or cannot
// tell whether another instance serves the folder, it says so and ends. No
// library is looked for in the program folder, which may be a downloads
// folder with anything in it.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  RestrictLibrarySearch();
  TStartArguments arguments = SortStartArguments(CommandLineArguments());
  const std::wstring folder = ChooseProgramFolder(CurrentDirectory(), ExecutableFolder());
  SetCurrentDirectoryW(folder.c_str());
  TInstanceLock lock(folder);
  if (lock.Taken()) {
    if (HWND serving = lock.ActivateServing()) {
      if (!arguments.model.empty()) HandModelOver(serving, arguments.model);
    } else {
      Interaction().MessageDialog(nullptr, lock.RefusalText(), Application().Title(),
                                  MB_OK | MB_ICONEXCLAMATION);
    }
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  Tzh_tarnF* mainWindow = Application().CreateForm<Tzh_tarnF>();
  zh_tarnF = mainWindow;
  mainWindow->SetStartArguments(std::move(arguments));
  lock.Publish(mainWindow->Handle());
  Application().Run();
  zh_tarnF = nullptr;
  return 0;
}
