#pragma once

#include <string>

// The folder the program serves: the one that holds the converter. That is
// the current directory when it holds tarn.exe, else the executable's own
// folder when that does; when neither does, the current directory, for
// which the missing files notice then speaks.
std::wstring ChooseProgramFolder(const std::wstring& current, const std::wstring& ownFolder);

// The folder of the running executable.
std::wstring ExecutableFolder();
