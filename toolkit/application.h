#pragma once

#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/error_boundary.h"
#include "toolkit/form.h"

// The forms made at start, the message loop that serves them, and the
// default handling of errors that leave an event handler: the text is shown
// in an error box and the loop goes on.
class TApplication {
 public:
  // Creates a form the application owns and frees when the loop ends; the
  // first one becomes the main form, whose closing ends the loop.
  template <class T>
  T* CreateForm() {
    auto form = ::CreateForm<T>(nullptr);
    T* raw = form.get();
    if (!mainForm_) {
      mainForm_ = raw;
      raw->SetQuitOnClose(true);
    }
    forms_.push_back(std::move(form));
    return raw;
  }

  TForm* MainForm() const { return mainForm_; }
  // Shows the main form and dispatches messages until it closes; then frees
  // the forms.
  void Run();
  // Lets the pending messages through and returns.
  void ProcessMessages();

  // Runs f; an error leaving it is shown to the user.
  template <class F>
  void Protect(F&& f) {
    ::Protect(std::forward<F>(f));
  }
  void HandleException(std::exception_ptr error) { ShowException(error); }
  // The caption of the program's message boxes: the executable's name.
  const std::wstring& Title() const { return ProgramTitle(); }

 private:
  TForm* mainForm_ = nullptr;
  std::vector<std::unique_ptr<TForm>> forms_;
};

TApplication& Application();
