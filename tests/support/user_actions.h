#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/form.h"

// What a user does to the program's windows, as the windows' own messages.

// Opens a modal dialog with open and, once it runs modally, acts on it from
// a timer as a user would. A dialog that act leaves open is closed, so a
// test never waits on it. Returns the modal result act left (mrNone when
// the dialog was still open afterwards).
int RunModal(const std::function<void()>& open, const std::function<void(TForm&)>& act);

// Whether a window of the program's forms with this caption still exists.
bool FormExists(const wchar_t* caption);

// Focuses the control and presses and releases the key there, through the
// message queue as typed keys arrive.
void PressKey(TControl& control, WORD key);

// The same with a modifier key (VK_CONTROL, VK_SHIFT) held down.
void PressKeyHolding(WORD modifier, TControl& control, WORD key);

// A press and release of the button at a point of the window, with the
// keys held (MK_SHIFT, MK_CONTROL) that the mouse message carries.
void ClickAt(HWND window, POINT point, TMouseButton button, WPARAM keys = 0);
// A left click (or another button's) in the middle of a control.
void Click(TControl* control, TMouseButton button = TMouseButton::mbLeft);

// Files dropped on the window as the shell drops them, and let through.
void DropFiles(HWND window, const std::vector<std::wstring>& files);

// The middle of a rectangle.
POINT Middle(const RECT& rect);
