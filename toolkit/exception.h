#pragma once

#include <exception>
#include <string>

// An error raised by the program's own code, with a text for the user. The
// application shows it in a message box when it leaves an event handler.
class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "ZH_tarn error"; }

 private:
  std::wstring message_;
};

// The message formats use one %s; this puts the argument in its place.
std::wstring Format(const std::wstring& format, const std::wstring& argument);

// The system's text for a Windows error code, without the line end.
std::wstring ErrorText(unsigned long code);

// The text of the calling thread's last Windows error.
std::wstring LastErrorText();
