#pragma once

#include <windows.h>

#include "toolkit/unique_handle.h"

// A process a test looks at; ended when the watch goes, should the code
// under test have left it behind.
class ProcessWatch {
 public:
  explicit ProcessWatch(DWORD pid)
      : process_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid)) {}
  ProcessWatch(const ProcessWatch&) = delete;
  ProcessWatch& operator=(const ProcessWatch&) = delete;
  ~ProcessWatch() {
    if (process_) TerminateProcess(process_.Get(), 0);
  }
  // True also when the process had already gone when the watch began.
  bool EndsWithin(DWORD milliseconds) const {
    return !process_ || WaitForSingleObject(process_.Get(), milliseconds) == WAIT_OBJECT_0;
  }

 private:
  KernelHandle process_;
};
