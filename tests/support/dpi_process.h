#pragma once

#include <windows.h>

#include <string>

// Wine reads the screen's DPI from the user's desktop settings when a
// process starts. Runs a copy of this program with arguments while the
// setting says dpi, with the environment variable name set to value, and
// puts the setting back; the copy's exit code, or 1 when it could not run
// or did not end within a minute.
DWORD RunSelfAtDpi(int dpi, const std::wstring& arguments, const wchar_t* name,
                   const std::wstring& value);
