#pragma once

#include <windows.h>

#include <string>

// The full path of a file in the system folder, or empty when the system
// does not say where that folder is.
std::wstring SystemFile(const wchar_t* name);

// Confines the libraries loaded from now on by a bare name to the system
// folder, so that none is picked up from the program's folder or the
// current one. Windows that predate the search flags only drop the
// current folder from the search.
void RestrictLibrarySearch();

// Whether the program runs under Wine rather than Windows, for the few
// places where Wine's own controls need handling of their own.
bool RunsUnderWine();

// A function of a system library the program needs only now and then (the
// shell, the Save dialog): the library is loaded from the system folder at
// the first call, not when the program starts. nullptr when it cannot be
// had.
template <class F>
F* SystemFunction(const wchar_t* library, const char* name) {
  const std::wstring path = SystemFile(library);
  const HMODULE module = path.empty() ? nullptr : LoadLibraryW(path.c_str());
  return module ? reinterpret_cast<F*>(GetProcAddress(module, name)) : nullptr;
}

// A function of a system library every program of ours has loaded already
// (kernel32, user32), or nullptr on a Windows version that lacks it.
template <class F>
F* LoadedFunction(const wchar_t* library, const char* name) {
  return reinterpret_cast<F*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(library), name)));
}
