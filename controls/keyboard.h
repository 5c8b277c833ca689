#pragma once

#include <string>

// The hot key of a caption: the character after the first single '&' ("&&"
// stands for a shown '&'), or 0 when there is none.
wchar_t HotKey(const std::wstring& caption);

// Whether ch is the caption's hot key, regardless of case.
bool IsHotKey(const std::wstring& caption, wchar_t ch);

#include <windows.h>

#include "toolkit/control.h"

// Raises a key event for the key of a key message; false when the handler
// cleared the key, so the control's own handling is skipped.
bool RaiseKey(const TKeyEvent& event, TComponent* sender, WPARAM wParam);
