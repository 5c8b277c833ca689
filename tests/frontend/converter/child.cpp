// A console program for the process runner tests. It acts on its arguments
// from left to right:
//   --pid FILE         appends its process id to FILE
//   --grandchild FILE  starts a copy of itself that sleeps for a minute and
//                      appends that copy's process id to FILE
//   --report FILE      writes the start-up information it was given and its
//                      working folder to FILE (UTF-16)
//   --sleep MS         sleeps MS milliseconds
//   --exit CODE        ends at once with CODE
// and otherwise ends with 0.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "toolkit/unique_handle.h"

namespace {

void Append(const std::wstring& path, const std::wstring& text) {
  const KernelHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                      OPEN_ALWAYS, 0, nullptr));
  DWORD written = 0;
  WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
            nullptr);
}

std::wstring OwnPath() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

void StartGrandchild(const std::wstring& pidFile) {
  std::wstring command = L'"' + OwnPath() + L"\" --sleep 60000";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return;
  const KernelHandle process(info.hProcess), thread(info.hThread);
  Append(pidFile, std::to_wstring(info.dwProcessId) + L"\n");
}

void Report(const std::wstring& path) {
  STARTUPINFOW startup{};
  GetStartupInfoW(&startup);
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  std::wstring text;
  for (const DWORD value : {startup.dwFlags, DWORD{startup.wShowWindow}, startup.dwX, startup.dwY,
                            startup.dwXSize, startup.dwYSize, startup.dwFillAttribute})
    text += std::to_wstring(value) + L' ';
  Append(path, text + folder);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring option = argv[i], value = argv[i + 1];
    if (option == L"--pid") Append(value, std::to_wstring(GetCurrentProcessId()) + L"\n");
    if (option == L"--grandchild") StartGrandchild(value);
    if (option == L"--report") Report(value);
    if (option == L"--sleep") Sleep(std::wcstoul(value.c_str(), nullptr, 10));
    if (option == L"--exit") return std::wcstol(value.c_str(), nullptr, 10);
  }
  return 0;
}
