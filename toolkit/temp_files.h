#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The temporary files the program's copies write beside their targets are
// named "~zh<pid>_<n>.tmp", after the process that writes them. A copy
// removes its own; a process that is killed mid-copy leaves it behind.

// The name of the number'th temporary file of the process.
std::wstring TempFileName(DWORD processId, unsigned number);

// Whether name is such a temporary file that no running copy of this
// program can still be writing: no process with its pid runs, or the one
// that runs is another program (its executable has another name). One whose
// process cannot be asked about counts as still written.
bool IsLeftoverTempFile(std::wstring_view name);

// Removes the named file from folder when it is a leftover temporary file;
// whether it did. A file some process still holds open stays.
bool RemoveIfLeftover(const std::wstring& folder, std::wstring_view name);

// Removes the leftover temporary files from folder, found through one query
// for their names.
void RemoveLeftoverTempFiles(const std::wstring& folder);
