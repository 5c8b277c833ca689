#pragma once

#include <exception>
#include <string>

// The boundary that no exception crosses into Windows code: an error that
// leaves an event handler is shown in an error box, and the program goes on.
// Window procedures and timers call their handlers through it.

// The text an error shows the user: an Exception's message, the what() of
// another standard exception, "Unknown error" for anything else.
std::wstring ExceptionText(std::exception_ptr error);

// Shows the error's text in an error box over the active window.
void ShowException(std::exception_ptr error);

// Runs f; an error leaving it is shown and goes no further.
template <class F>
void Protect(F&& f) {
  try {
    f();
  } catch (...) {
    ShowException(std::current_exception());
  }
}

// The caption of the program's message boxes: the executable's name.
const std::wstring& ProgramTitle();
