#pragma once

#include <windows.h>

// Lets window messages through until none is pending and nothing waits to
// be painted: the window is idle.
void PumpUntilIdle();

// A left click at a point of a window's client area, as mouse messages: the
// release is queued before the press is sent, as a tree view follows the
// mouse after a press until a button message reaches its queue.
void ClickAt(HWND window, POINT point);

// The middle of a rectangle.
POINT Middle(const RECT& rect);
