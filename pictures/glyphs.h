#pragma once

#include "toolkit/gdi.h"

// The main window's small pictures, drawn at start. The bottom-left pixel
// of each holds the colour that is left out when it is drawn.

// A speed-button glyph and its greyed twin for the disabled button.
struct TGlyph {
  Bitmap normal;
  Bitmap disabled;
};

// 16 x 16: a red question mark in a yellow circle ("TARN info").
TGlyph QuestionGlyph();
// 16 x 16: an open book ("Help").
TGlyph BookGlyph();
// 16 x 16: a hand writing on a page (the settings file).
TGlyph WritingHandGlyph();
// 30 x 33: a yellow arrow pointing right.
Bitmap YellowArrow();

// The colour that stands for "no picture here".
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);
