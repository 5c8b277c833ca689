#include "toolkit/file_names.h"

#include <windows.h>

#include <algorithm>

namespace {

// Where the extension's dot stands in the name, or npos.
size_t DotOf(const std::wstring& name) {
  const size_t dot = name.find_last_of(L".\\/:");
  return dot != std::wstring::npos && name[dot] == L'.' ? dot : std::wstring::npos;
}

size_t LastSeparatorOf(const std::wstring& path) { return path.find_last_of(L"\\/:"); }

}  // namespace

bool SameName(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// ASCII names, most of what folders hold, without a call.
std::wstring NameKey(std::wstring_view name) {
  std::wstring key(name);
  if (std::all_of(key.begin(), key.end(), [](wchar_t c) { return c < 0x80; })) {
    for (wchar_t& c : key) {
      if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - (L'a' - L'A'));
    }
  } else if (!key.empty()) {
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.data(),
                  static_cast<int>(name.size()), key.data(), static_cast<int>(key.size()), nullptr,
                  nullptr, 0);
  }
  return key;
}

std::wstring ExtensionOf(const std::wstring& name) {
  const size_t dot = DotOf(name);
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

std::wstring BaseNameOf(const std::wstring& name) { return name.substr(0, DotOf(name)); }

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = LastSeparatorOf(path);
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = LastSeparatorOf(path);
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  return full;
}

std::wstring LongPath(const std::wstring& path) {
  const DWORD size = GetLongPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::wstring longPath(size, L'\0');
  longPath.resize(GetLongPathNameW(path.c_str(), longPath.data(), size));
  return longPath.empty() ? path : longPath;
}

std::wstring ShortPath(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring shortPath(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
  if (length == 0 || length >= size) return {};
  shortPath.resize(length);
  return shortPath;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring CurrentDirectory() {
  std::wstring directory(GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), directory.data()));
  return directory;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}
