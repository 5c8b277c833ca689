#include "toolkit/exception.h"

#include <windows.h>

std::wstring Format(const std::wstring& format, const std::wstring& argument) {
  const auto at = format.find(L"%s");
  if (at == std::wstring::npos) return format;
  return format.substr(0, at) + argument + format.substr(at + 2);
}

std::wstring ErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : L"Windows error " + std::to_wstring(code);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  return text;
}

std::wstring LastErrorText() { return ErrorText(GetLastError()); }
