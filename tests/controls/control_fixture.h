#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/custom_control.h"
#include "toolkit/form.h"

// A control painted into a pixel bitmap of its size.
class Snapshot {
 public:
  explicit Snapshot(TCustomControl& control);
  COLORREF At(int x, int y) const { return bitmap_.Pixel(x, y); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  const PixelBitmap& Bitmap() const { return bitmap_; }
  // Columns of row y, from x1 to x2 - 1, that have the colour.
  int CountInRow(int y, int x1, int x2, COLORREF color) const;

 private:
  PixelBitmap bitmap_;
};

// The first and last column and row of a set of pixels: left, top, right,
// bottom; {width, height, -1, -1} for no pixel.
using Box = std::array<int, 4>;

// The box of the pixels (x, y) of the snapshot for which in(x, y) holds.
Box BoxOf(const Snapshot& shot, const std::function<bool(int x, int y)>& in);

// The box of the pixels that after shows inverted from before: what a
// dotted focus rectangle drawn between the two paints covers.
Box InvertedBox(const Snapshot& before, const Snapshot& after);

// The extent of text in a font.
SIZE TextSize(const TFont& font, const std::wstring& text);

// A shown form at a fixed place on the screen, with a distinct colour behind
// its controls.
class ControlTest : public testing::Test {
 public:
  static constexpr COLORREF kBehind = RGB(0, 128, 255);

 protected:
  ControlTest();

  // Puts the pointer over the control's point (x, y) and tells the control.
  void PointAt(TControl& control, int x, int y);
  // Moves the pointer off every control and waits for the leave message.
  void PointAway();
  // Left press and release at (x, y).
  void LeftClick(TControl& control, int x, int y);
  // Offers a character to the form as Alt with the character would.
  void Accelerator(wchar_t ch);

  std::unique_ptr<TForm> form;
};

LPARAM Point(int x, int y);
