#pragma once

#include <windows.h>

#include <vector>

// The pixels of a window as it shows them, frame and scroll bars included,
// row by row, once the paints waiting have been done.
std::vector<COLORREF> ShownPixels(HWND window);
