#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.h"

// The message loop, the forms made at start, and the default handling of
// errors that leave an event handler: the text is shown in an error box and
// the loop goes on.
class TApplication {
 public:
  // Creates a form the application owns and frees when the loop ends; the
  // first one becomes the main form.
  template <class T>
  T* CreateForm() {
    auto form = ::CreateForm<T>(nullptr);
    T* raw = form.get();
    if (!mainForm_) mainForm_ = raw;
    forms_.push_back(std::move(form));
    return raw;
  }

  TForm* MainForm() const { return mainForm_; }
  // Shows the main form and dispatches messages until it closes; then frees
  // the forms.
  void Run();
  // Lets the pending messages through and returns.
  void ProcessMessages();
  // Waits for one message and handles it; false once the loop is to end.
  bool HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Runs f; an error leaving it is shown to the user.
  template <class F>
  void Protect(F&& f) {
    try {
      f();
    } catch (...) {
      HandleException(std::current_exception());
    }
  }
  void HandleException(std::exception_ptr error);
  // The caption of the program's message boxes: the executable's name.
  const std::wstring& Title();

 private:
  void Dispatch(const MSG& msg);

  TForm* mainForm_ = nullptr;
  std::vector<std::unique_ptr<TForm>> forms_;
  bool terminated_ = false;
  std::wstring title_;
};

TApplication& Application();
