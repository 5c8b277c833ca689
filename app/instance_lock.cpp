#include "app/instance_lock.h"

#include <cwchar>

#include "toolkit/exception.h"

namespace {

constexpr int kWindowWaits = 100;
constexpr DWORD kWindowWaitMs = 50;

// The lock is seen by every session. The serving window is told to the
// session only: a shared memory object for every session may be made by
// administrators alone, and a window of another session cannot be brought
// forward anyway.
std::wstring LockObjectName(const std::wstring& name) { return L"Global\\" + name; }
std::wstring WindowObjectName(const std::wstring& name) { return L"Local\\" + name; }

}  // namespace

std::wstring InstanceLockName(const std::wstring& programFolder, DWORD& error) {
  const KernelHandle folder(CreateFileW(programFolder.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!folder || !GetFileInformationByHandle(folder.Get(), &info)) {
    error = GetLastError();
    return {};
  }
  wchar_t name[48];
  swprintf(name, 48, L"ZH_tarn-%08lx-%08lx%08lx", info.dwVolumeSerialNumber, info.nFileIndexHigh,
           info.nFileIndexLow);
  return name;
}

// A lock that cannot be had for any reason leaves the folder alone: one
// that this start may not even open is held by an instance of another user
// or with other rights.
TInstanceLock::TInstanceLock(const std::wstring& programFolder)
    : folder_(programFolder), name_(InstanceLockName(programFolder, error_)) {
  if (name_.empty()) return;
  const HANDLE lock = CreateMutexW(nullptr, FALSE, LockObjectName(name_).c_str());
  const DWORD error = GetLastError();
  if (!lock || error == ERROR_ALREADY_EXISTS) {
    if (lock) CloseHandle(lock);
    state_ = lock || error == ERROR_ACCESS_DENIED ? TState::stServed : TState::stUnknown;
    error_ = error;
    return;
  }
  lock_.Reset(lock);
  state_ = TState::stHeld;
  mapping_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(LONG), WindowObjectName(name_).c_str()));
  if (mapping_) {
    window_ = static_cast<volatile LONG*>(
        MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
  }
}

TInstanceLock::~TInstanceLock() {
  if (window_) UnmapViewOfFile(const_cast<LONG*>(window_));
}

void TInstanceLock::Publish(HWND window) {
  if (state_ == TState::stHeld && window_) InterlockedExchange(window_, HandleToLong(window));
}

// The window the holder told, or nullptr while none can be seen. The view
// is read-only here, so the handle is read plainly.
HWND TInstanceLock::ServingWindow() {
  if (!window_) {
    mapping_.Reset(OpenFileMappingW(FILE_MAP_READ, FALSE, WindowObjectName(name_).c_str()));
    if (!mapping_) return nullptr;
    window_ = static_cast<volatile LONG*>(
        MapViewOfFile(mapping_.Get(), FILE_MAP_READ, 0, 0, sizeof(LONG)));
    if (!window_) return nullptr;
  }
  return static_cast<HWND>(LongToHandle(*window_));
}

HWND TInstanceLock::ActivateServing() {
  if (state_ != TState::stServed) return nullptr;
  HWND window = nullptr;
  for (int wait = 0; !window && wait < kWindowWaits; ++wait) {
    window = ServingWindow();
    if (!window) Sleep(kWindowWaitMs);
  }
  if (!window || !IsWindow(window)) return nullptr;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(window));
  return window;
}

std::wstring TInstanceLock::RefusalText() const {
  const std::wstring why =
      L"\n\nOne folder serves one ZH_tarn at a time, since they would share the converter's "
      L"work files there.";
  if (state_ == TState::stServed) {
    return L"ZH_tarn is already running in this folder, but its window cannot be brought "
           L"forward (it may belong to another user or run with other rights):\n\n" +
           folder_ + why;
  }
  return L"ZH_tarn cannot make sure that no other ZH_tarn runs in this folder, so it does not "
         L"start:\n\n" +
         folder_ + L"\n\n" + ErrorText(error_) + why;
}
