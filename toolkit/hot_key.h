#pragma once

#include <string>

// The hot key of a caption: the character after the first single '&' ("&&"
// stands for a shown '&'), or 0 when there is none.
wchar_t HotKey(const std::wstring& caption);

// The caption as it is shown: without the '&' that marks the hot key, with
// "&&" as one '&'.
std::wstring ShownCaption(const std::wstring& caption);

// Whether ch is the caption's hot key, regardless of case.
bool IsHotKey(const std::wstring& caption, wchar_t ch);
