#pragma once

#include <windows.h>

#include <cstdint>

// A colour value: an RGB value with red in the lowest byte, or a system
// colour (high byte 0x80, the Windows system-colour index in the low byte).
using TColor = std::uint32_t;

constexpr TColor SystemColor(int index) {
  return 0x80000000u | static_cast<TColor>(index);
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clBlue = 0xFF0000;
// No colour: a property given it takes its meaning from elsewhere.
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);

constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0x80000000u; }

// The RGB value a colour stands for: system colours are looked up.
COLORREF ColorToRGB(TColor color);
