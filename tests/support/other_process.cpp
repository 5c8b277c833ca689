#include "tests/support/other_process.h"

#include <stdexcept>
#include <string>

OtherProgram::OtherProgram() {
  wchar_t system[MAX_PATH];
  std::wstring commandLine =
      L"\"" + std::wstring(system, GetSystemDirectoryW(system, MAX_PATH)) + L"\\cmd.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started))
    throw std::runtime_error("cannot start the command interpreter");
  CloseHandle(started.hThread);
  process_.Reset(started.hProcess);
  id_ = started.dwProcessId;
}

OtherProgram::~OtherProgram() {
  TerminateProcess(process_.Get(), 0);
  WaitForSingleObject(process_.Get(), 30000);
}

DWORD EndedProcessId() { return OtherProgram().Id(); }
