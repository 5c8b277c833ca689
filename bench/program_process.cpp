#include "bench/program_process.h"

#include <psapi.h>

#include "toolkit/exception.h"

namespace {

constexpr DWORD kIdleWait = 60000;
constexpr DWORD kCloseWait = 10000;

struct WindowSearch {
  DWORD processId;
  HWND found;
};

HWND ShownWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM asked) WINAPI -> BOOL {
        auto& wanted = *reinterpret_cast<WindowSearch*>(asked);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != wanted.processId || !IsWindowVisible(window)) return TRUE;
        wanted.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Asks every shown top window of the process to close.
void CloseWindowsOf(DWORD processId) {
  EnumWindows(
      [](HWND window, LPARAM id) WINAPI -> BOOL {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == static_cast<DWORD>(id) && IsWindowVisible(window))
          PostMessageW(window, WM_CLOSE, 0, 0);
        return TRUE;
      },
      static_cast<LPARAM>(processId));
}

}  // namespace

ProgramProcess::ProgramProcess(std::wstring commandLine, const std::wstring& folder)
    : commandLine_(std::move(commandLine)) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine_.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info))
    throw Exception(L"Cannot start " + commandLine_ + L": " + LastErrorText());
  process_.Reset(info.hProcess);
  thread_.Reset(info.hThread);
  id_ = info.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
  CloseWindowsOf(id_);
  if (WaitForSingleObject(process_.Get(), kCloseWait) == WAIT_OBJECT_0) return;
  // Ended, not merely told to end: it lets go of its folder, which the
  // benchmark removes next.
  TerminateProcess(process_.Get(), 1);
  WaitForSingleObject(process_.Get(), kCloseWait);
}

void ProgramProcess::WaitForInputIdle() const {
  if (::WaitForInputIdle(process_.Get(), kIdleWait) != 0)
    throw Exception(commandLine_ + L" never waited idle for input");
}

HWND ProgramProcess::MainWindow() const {
  const ULONGLONG until = GetTickCount64() + kIdleWait;
  while (GetTickCount64() < until) {
    if (const HWND window = ShownWindowOf(id_)) return window;
    Sleep(1);
  }
  throw Exception(commandLine_ + L" never showed a window");
}

size_t PrivateBytesOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (!K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof(counters)))
    throw Exception(L"Cannot read the memory of a process: " + LastErrorText());
  return counters.PagefileUsage;
}
