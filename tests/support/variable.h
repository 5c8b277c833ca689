#pragma once

#include <windows.h>

// An environment variable of this process, and so of the programs it
// starts, set for as long as the object lives.
class Variable {
 public:
  Variable(const wchar_t* name, const wchar_t* value) : name_(name) {
    SetEnvironmentVariableW(name, value);
  }
  Variable(const Variable&) = delete;
  Variable& operator=(const Variable&) = delete;
  ~Variable() { SetEnvironmentVariableW(name_, nullptr); }

 private:
  const wchar_t* name_;
};
