#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/packed_strings.h"

// Reading folders from disk for the tree and the file lists. A folder is
// named without a trailing backslash; a drive root is "C:".

// The roots of the fixed drives, as "C:", in drive order.
std::vector<std::wstring> FixedDriveRoots();

// The folders directly inside folder, case-insensitively sorted.
std::vector<std::wstring> SubFolderNames(const std::wstring& folder);

// The files directly inside folder whose names match one of the patterns,
// case-insensitively sorted, each name once. With subFolders, the folders
// directly inside it too, sorted, from the same listing (which then takes
// in every entry, not only those the patterns may match). The first listing
// of a folder in a process also removes the program's leftover temporary
// files from it (toolkit/temp_files.h).
TPackedStrings MatchingFileNames(const std::wstring& folder,
                                 const std::vector<std::wstring>& patterns,
                                 std::vector<std::wstring>* subFolders = nullptr);

// Whether the name matches the pattern: '*' stands for any run of
// characters, '?' for any one, "*.*" for every name, and letter case is
// ignored. Long names alone count, not their short forms.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern);

// The patterns of a ';'-separated mask, blanks around them and empty ones
// dropped.
std::vector<std::wstring> SplitMask(const std::wstring& mask);

// The folder without trailing backslashes, a bare drive root kept as "C:".
std::wstring TrimFolder(const std::wstring& folder);

// The process's current directory, trimmed like a folder.
std::wstring CurrentFolder();

// Whether folder names an existing folder.
bool FolderExists(const std::wstring& folder);

// Makes folder the process's current directory; false when it cannot be.
bool EnterFolder(const std::wstring& folder);

// Called with the folder at each listing of one, from now on; none by
// default. The tests count the program's readings of the disk with it.
void SetListingWatch(std::function<void(const std::wstring& folder)> watch);
