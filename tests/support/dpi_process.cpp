#include "tests/support/dpi_process.h"

#include "tests/support/variable.h"
#include "toolkit/file_names.h"
#include "toolkit/unique_handle.h"

namespace {

const wchar_t* const kDesktop = L"Control Panel\\Desktop";

}  // namespace

DWORD RunSelfAtDpi(int dpi, const std::wstring& arguments, const wchar_t* name,
                   const std::wstring& value) {
  const DWORD setting = static_cast<DWORD>(dpi);
  if (RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &setting,
                      sizeof(setting)) != ERROR_SUCCESS)
    return 1;
  std::wstring command = L'"' + ModulePath() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const BOOL started = [&] {
    const Variable passed(name, value.c_str());
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info);
  }();
  DWORD code = 1;
  if (started) {
    const KernelHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.Get(), 60000) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.Get(), &code);
    else
      TerminateProcess(process.Get(), 1);
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels");
  return code;
}
