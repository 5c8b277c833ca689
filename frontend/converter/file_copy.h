#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Copies the content of the file `source` to `destination`, which may be a
// folder (the copy then takes the source's name in it). The new file has a
// fresh time stamp and default attributes. The content goes to a temporary
// file beside the destination first, which then replaces the destination,
// so a failed copy leaves an existing destination as it was. Raises
// Exception on failure.
void FileCopy(const std::wstring& source, const std::wstring& destination);

// The step that writes one buffer of a copy, as WriteFile does: false when
// the write failed, otherwise the count written in `written`. Only tests
// pass another one, to make a write fail part-way.
using CopyWriter =
    std::function<bool(HANDLE file, const char* data, DWORD size, DWORD& written)>;
void FileCopy(const std::wstring& source, const std::wstring& destination,
              const CopyWriter& write);

// Whether the file or folder at `path` has all the `attributes` bits; false
// when there is nothing there.
bool FileHasAttr(const std::wstring& path, DWORD attributes);
