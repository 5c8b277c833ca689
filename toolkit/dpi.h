#pragma once

#include <windows.h>

// The layout is drawn at 96 dots per inch; every place, size, font height
// and painted measure is that measure scaled by the window's DPI.
constexpr int kDesignDpi = 96;

// A 96-dpi measure at dpi, rounded to the nearest pixel.
inline int Scale(int value, int dpi) { return MulDiv(value, dpi, kDesignDpi); }

// The window's DPI: Windows' own answer where it has GetDpiForWindow (10
// and later), else the screen's.
int WindowDpi(HWND window);

// The window size for a client area of width by height at dpi, in the frame
// of the window's styles.
SIZE WindowSizeForClient(HWND window, int width, int height, int dpi);
