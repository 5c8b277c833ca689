#pragma once

#include "toolkit/gdi.h"

inline constexpr int kShiningWidth = 200;
inline constexpr int kShiningHeight = 130;

// A side view of a stylised aircraft against the sky, lit by one light from
// the upper left and shaded the way the converter's shining setting looks:
// a diffuse body with a specular highlight that grows as power falls and
// brightens as the specular level (0 to 1) rises.
Bitmap ShiningExample(int power, double specular);
