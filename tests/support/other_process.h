#pragma once

#include <windows.h>

#include "toolkit/unique_handle.h"

// A process of another program (the system's command interpreter), started
// suspended; ended when this goes.
class OtherProgram {
 public:
  OtherProgram();
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  ~OtherProgram();

  DWORD Id() const { return id_; }

 private:
  KernelHandle process_;
  DWORD id_ = 0;
};

// The id of a process that has ended and that nothing holds any more.
DWORD EndedProcessId();
