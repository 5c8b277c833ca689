#pragma once

#include <windows.h>

#include <string>

#include "toolkit/unique_handle.h"

// The lock's name for a program folder: the same for every path that reaches
// the folder (another drive letter, a short name, a share), as it is made
// from the folder's volume and its file number there, not from its spelling.
// Empty when the folder cannot be opened or asked; error then says why.
std::wstring InstanceLockName(const std::wstring& programFolder, DWORD& error);

// One program folder serves one running instance, since all work files have
// fixed names there. The first start in a folder holds a lock named after
// the folder, seen by every session and user, and tells later starts in its
// session its main window; a later start in the same folder hands over to
// that window. Starts in other folders do not see each other.
class TInstanceLock {
 public:
  explicit TInstanceLock(const std::wstring& programFolder);
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;
  ~TInstanceLock();

  // Whether this start must leave the folder alone: another instance serves
  // it, or that could not be ruled out.
  bool Taken() const { return state_ != TState::stHeld; }
  // Makes the window the one later starts in the folder bring forward.
  void Publish(HWND window);
  // Brings the serving instance's window to the front, restored when it was
  // minimized; waits a little for a window that is still being built.
  // Returns that window, or nullptr when none could be found (another
  // session, other rights, no lock).
  HWND ActivateServing();
  // Why this start does not serve the folder, in words for the user.
  std::wstring RefusalText() const;

 private:
  enum class TState { stHeld, stServed, stUnknown };

  HWND ServingWindow();

  std::wstring folder_;
  // Why the lock could not be had; set before the name, which may say it.
  DWORD error_ = ERROR_SUCCESS;
  std::wstring name_;
  TState state_ = TState::stUnknown;
  KernelHandle lock_;
  // The serving window's handle, shared between the instances of a session
  // (window handles fit 32 bits in 32- and 64-bit programs alike): written
  // by the holder, read by later starts.
  KernelHandle mapping_;
  volatile LONG* window_ = nullptr;
};
