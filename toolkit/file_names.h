#pragma once

#include <string>
#include <string_view>

// Whether two names are the same as the file system compares them: letter
// case aside, character for character.
bool SameName(std::wstring_view a, std::wstring_view b);
// The name in capitals, so that names the file system takes for the same
// have equal keys: for sets and maps of names.
std::wstring NameKey(std::wstring_view name);
// The extension of a file name with its dot (".MD8", in the name's letter
// case), or empty when the name has none.
std::wstring ExtensionOf(const std::wstring& name);
// The file name without its extension.
std::wstring BaseNameOf(const std::wstring& name);
// The file name without its folder.
std::wstring FileNameOf(const std::wstring& path);
// The folder of a path without its last separator, or empty when it has none.
std::wstring FolderOf(const std::wstring& path);
// The path made full, as Windows expands it; the path itself when it cannot.
std::wstring FullPath(const std::wstring& path);
// The path with its short (8.3) names spelt out long, as on disk; the path
// itself when nothing is there.
std::wstring LongPath(const std::wstring& path);
// The path's short (8.3) form, as Windows gives it (the path itself, where
// the drive keeps no short names); empty when it gives none.
std::wstring ShortPath(const std::wstring& path);
// Whether path names an existing file (not a folder).
bool IsFile(const std::wstring& path);
// The process's current directory, as Windows reports it.
std::wstring CurrentDirectory();
// The full path of the running program, however long.
std::wstring ModulePath();
