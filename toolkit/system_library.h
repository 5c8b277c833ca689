#pragma once

#include <windows.h>

#include <string>

// A function of a system library the program needs only now and then (the
// shell, the Save dialog): the library is loaded at the first call, not
// when the program starts. nullptr when it cannot be had.
template <class F>
F* SystemFunction(const wchar_t* library, const char* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const HMODULE module = LoadLibraryW((std::wstring(folder, length) + L'\\' + library).c_str());
  return module ? reinterpret_cast<F*>(GetProcAddress(module, name)) : nullptr;
}
