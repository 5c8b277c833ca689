#include "toolkit/hot_key.h"

#include <windows.h>

wchar_t HotKey(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

std::wstring ShownCaption(const std::wstring& caption) {
  std::wstring shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

bool IsHotKey(const std::wstring& caption, wchar_t ch) {
  const wchar_t key = HotKey(caption);
  if (key == 0 || ch == 0) return false;
  return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key))) ==
         CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)));
}
