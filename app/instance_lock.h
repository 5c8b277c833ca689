#pragma once

#include <windows.h>

#include <string>

#include "toolkit/unique_handle.h"

// One program folder serves one running instance, since all work files have
// fixed names there. The first start in a folder holds a named object that
// tells later starts its main window; a later start in the same folder hands
// over to that window. Starts in other folders do not see each other.
class TInstanceLock {
 public:
  explicit TInstanceLock(const std::wstring& programFolder);
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;
  ~TInstanceLock();

  // Whether another instance already serves the folder.
  bool Taken() const { return taken_; }
  // Makes the window the one later starts in the folder bring forward.
  void Publish(HWND window);
  // Brings the serving instance's window to the front, restored when it was
  // minimized; waits a little for a window that is still being built.
  void ActivateServing() const;

 private:
  KernelHandle mapping_;
  // The serving window's handle, shared between the instances (window
  // handles fit 32 bits in 32- and 64-bit programs alike).
  volatile LONG* window_ = nullptr;
  bool taken_ = false;
};
