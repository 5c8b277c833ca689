#pragma once

#include <functional>

#include "toolkit/application.h"

#include "toolkit/form.h"

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
