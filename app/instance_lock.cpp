#include "app/instance_lock.h"

#include <cstdint>
#include <cwchar>

namespace {

constexpr int kWindowWaits = 100;
constexpr DWORD kWindowWaitMs = 50;

// The folder's path with every short (8.3) name made long. Short names that
// Windows makes carry a '~'; a path without one is asked about no further,
// as asking reads every folder along it (about 3 ms of each start).
std::wstring LongPath(const std::wstring& folder) {
  if (folder.find(L'~') == std::wstring::npos) return folder;
  std::wstring path(GetLongPathNameW(folder.c_str(), nullptr, 0), L'\0');
  path.resize(GetLongPathNameW(folder.c_str(), path.data(), static_cast<DWORD>(path.size())));
  return path.empty() ? folder : path;
}

// The folder's name for kernel objects: a hash of its long path in capitals,
// as backslashes may not appear in such names.
std::wstring ObjectName(const std::wstring& folder) {
  std::wstring path = LongPath(folder);
  CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  uint64_t hash = 14695981039346656037ull;
  for (const wchar_t ch : path) {
    hash = (hash ^ static_cast<uint16_t>(ch)) * 1099511628211ull;
  }
  wchar_t name[48];
  swprintf(name, 48, L"Local\\ZH_tarn-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace

TInstanceLock::TInstanceLock(const std::wstring& programFolder)
    : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(LONG), ObjectName(programFolder).c_str())) {
  taken_ = mapping_ && GetLastError() == ERROR_ALREADY_EXISTS;
  if (mapping_) {
    window_ = static_cast<volatile LONG*>(
        MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
  }
}

TInstanceLock::~TInstanceLock() {
  if (window_) UnmapViewOfFile(const_cast<LONG*>(window_));
}

void TInstanceLock::Publish(HWND window) {
  if (window_) InterlockedExchange(window_, HandleToLong(window));
}

void TInstanceLock::ActivateServing() const {
  if (!window_) return;
  HWND window = nullptr;
  for (int wait = 0; !window && wait < kWindowWaits; ++wait) {
    window = static_cast<HWND>(LongToHandle(InterlockedCompareExchange(window_, 0, 0)));
    if (!window) Sleep(kWindowWaitMs);
  }
  if (!window || !IsWindow(window)) return;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(window));
}
