#include "toolkit/system_library.h"

std::wstring SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length) + L'\\' + name;
}

void RestrictLibrarySearch() {
  // Looked up rather than imported: Windows 7 has it only with an update.
  const auto setDefaultDirectories = LoadedFunction<decltype(SetDefaultDllDirectories)>(
      L"kernel32.dll", "SetDefaultDllDirectories");
  if (!setDefaultDirectories || !setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    SetDllDirectoryW(L"");
  }
}

bool RunsUnderWine() {
  static const bool wine = LoadedFunction<void()>(L"ntdll.dll", "wine_get_version") != nullptr;
  return wine;
}
