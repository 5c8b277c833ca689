#pragma once

#include <windows.h>

#include <string>

#include "toolkit/unique_handle.h"

// The bytes a process holds for itself alone; raises an Exception when
// they cannot be read.
size_t PrivateBytesOf(HANDLE process);

// A program started by a benchmark as a user starts it, in its own process,
// asked to close (as its close box would) when the object goes.
class ProgramProcess {
 public:
  // Starts the command line in the folder; raises an Exception when it
  // cannot.
  ProgramProcess(std::wstring commandLine, const std::wstring& folder);
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;
  ~ProgramProcess();

  HANDLE Process() const { return process_.Get(); }
  DWORD Id() const { return id_; }
  // Waits until the program first waits for input; raises an Exception when
  // it does not within a minute.
  void WaitForInputIdle() const;
  // The program's shown top window, waited for up to a minute.
  HWND MainWindow() const;
  size_t PrivateBytes() const { return PrivateBytesOf(process_.Get()); }

 private:
  std::wstring commandLine_;
  KernelHandle process_;
  KernelHandle thread_;
  DWORD id_ = 0;
};
