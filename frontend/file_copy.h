#pragma once

#include <windows.h>

#include <string>

// Copies the content of the file `source` to `destination`, which may be a
// folder (the copy then takes the source's name in it). The new file has a
// fresh time stamp and default attributes. The content goes to a temporary
// file beside the destination first, which then replaces the destination,
// so a failed copy leaves an existing destination as it was. Raises
// Exception on failure.
void FileCopy(const std::wstring& source, const std::wstring& destination);

// Whether the file or folder at `path` has all the `attributes` bits; false
// when there is nothing there.
bool FileHasAttr(const std::wstring& path, DWORD attributes);
