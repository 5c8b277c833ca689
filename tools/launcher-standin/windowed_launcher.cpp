// A stand-in for a DOS launcher with a window of its own, for the tests that
// run the converter through one. Like such a DOS player it has a message
// queue, and it is idle, waiting for input, while the program it runs
// works: it runs the command line that follows its own name, lets its
// messages through until that program has ended, and exits with the
// program's exit code (1 when the program cannot start). With
// WINLAUNCHER_HAND_ON set, it ends with 0 as soon as the program has
// started, as a launcher that hands its program on does.
#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/unique_handle.h"

namespace {

constexpr int kCannotStart = 1;

// What follows the program name and the blanks after it on the command line.
std::wstring Rest(std::wstring_view line) {
  const bool quoted = line.starts_with(L'"');
  const size_t end = quoted ? line.find(L'"', 1) : line.find_first_of(L" \t");
  if (end == std::wstring_view::npos) return {};
  line.remove_prefix(quoted ? end + 1 : end);
  const size_t first = line.find_first_not_of(L" \t");
  return first == std::wstring_view::npos ? std::wstring() : std::wstring(line.substr(first));
}

void LetMessagesThrough() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  LetMessagesThrough();
  std::wstring commandLine = Rest(GetCommandLineW());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &info))
    return kCannotStart;
  const KernelHandle process(info.hProcess), thread(info.hThread);
  if (GetEnvironmentVariableW(L"WINLAUNCHER_HAND_ON", nullptr, 0) > 0) return 0;
  while (MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, INFINITE, QS_ALLINPUT) ==
         WAIT_OBJECT_0 + 1)
    LetMessagesThrough();
  DWORD code = kCannotStart;
  GetExitCodeProcess(info.hProcess, &code);
  return static_cast<int>(code);
}
