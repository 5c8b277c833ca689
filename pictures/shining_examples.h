#pragma once

#include "toolkit/gdi.h"

inline constexpr int kShiningWidth = 200;
inline constexpr int kShiningHeight = 130;

// A single-engined aircraft seen from above and ahead at three-quarters,
// against the sky, shaded per pixel the way the converter's shining setting
// looks (Blinn-Phong): a diffuse body under one white light, with a
// highlight that narrows as the specular power grows and brightens as the
// specular level (0 to 1) grows.
Bitmap ShiningExample(int power, double specular);
