#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/canvas.h"

// Which way a gradient runs: bands stacked downwards (0: first colour at
// the top, 1: at the bottom) or left to right (2: first colour at the left,
// 3: at the right).
enum class TGradientDirection { gdDown = 0, gdUp = 1, gdRight = 2, gdLeft = 3 };

// Fills rect with up to steps bands of colour running between first and
// second; rows or columns left over at the far end take the end colour.
// Fewer than 2 steps fill the rect with the first colour. The canvas's
// brush is left as it was.
void FillGradient(TCanvas& canvas, const RECT& rect, TColor first, TColor second,
                  TGradientDirection direction, std::uint8_t steps);
