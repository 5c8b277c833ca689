#include <gtest/gtest.h>

#include <vector>

#include "controls/XPGraphUtil.h"

namespace {

constexpr COLORREF kPaper = RGB(1, 2, 3);
constexpr COLORREF kFirst = RGB(200, 0, 0);
constexpr COLORREF kSecond = RGB(0, 0, 200);

class FillGradientTest : public testing::Test {
 protected:
  FillGradientTest() : bitmap(12, 12), select(dc.Get(), bitmap.Handle()), canvas(dc.Get()) {
    canvas.Brush().color = kPaper;
    canvas.FillRect({0, 0, 12, 12});
  }

  int CountColor(COLORREF color) const {
    int count = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) count += bitmap.Pixel(x, y) == color ? 1 : 0;
    return count;
  }

  std::vector<COLORREF> Row(int y) const {
    std::vector<COLORREF> row;
    for (int x = 0; x < 12; ++x) row.push_back(bitmap.Pixel(x, y));
    return row;
  }

  MemoryDC dc;
  PixelBitmap bitmap;
  SelectGuard select;
  TCanvas canvas;
};

TEST_F(FillGradientTest, EmptyRectanglesDrawNothing) {
  FillGradient(canvas, {2, 2, 2, 10}, kFirst, kSecond, TGradientDirection::gdDown, 5);
  FillGradient(canvas, {2, 2, 10, 2}, kFirst, kSecond, TGradientDirection::gdRight, 5);
  FillGradient(canvas, {10, 10, 2, 2}, kFirst, kSecond, TGradientDirection::gdDown, 5);
  EXPECT_EQ(CountColor(kPaper), 144);
}

TEST_F(FillGradientTest, FewerThanTwoStepsFillWithTheFirstColour) {
  FillGradient(canvas, {0, 0, 4, 4}, kFirst, kSecond, TGradientDirection::gdUp, 0);
  FillGradient(canvas, {4, 4, 8, 8}, kFirst, kSecond, TGradientDirection::gdLeft, 1);
  EXPECT_EQ(CountColor(kFirst), 32);
  EXPECT_EQ(bitmap.Pixel(8, 8), kPaper);
}

TEST_F(FillGradientTest, OneRowTakesTheEndColour) {
  FillGradient(canvas, {0, 3, 12, 4}, kFirst, kSecond, TGradientDirection::gdDown, 10);
  FillGradient(canvas, {0, 5, 12, 6}, kFirst, kSecond, TGradientDirection::gdUp, 10);
  EXPECT_EQ(bitmap.Pixel(0, 3), kSecond);
  EXPECT_EQ(bitmap.Pixel(11, 3), kSecond);
  EXPECT_EQ(bitmap.Pixel(6, 5), kFirst);
  EXPECT_EQ(bitmap.Pixel(6, 2), kPaper);
  EXPECT_EQ(bitmap.Pixel(6, 4), kPaper);
}

// 11 columns in 4 bands of 2, each channel start + MulDiv(band, end -
// start, 3) with MulDiv's rounding, then 3 columns of the end colour.
// Directions 1 and 3 start from the second colour.
TEST_F(FillGradientTest, BandsRunBetweenBothColoursWithTheRestInTheEndColour) {
  FillGradient(canvas, {0, 0, 11, 2}, kFirst, kSecond, TGradientDirection::gdRight, 4);
  FillGradient(canvas, {0, 2, 11, 3}, kFirst, kSecond, TGradientDirection::gdLeft, 4);
  const COLORREF a = kFirst, b = RGB(133, 0, 67), c = RGB(67, 0, 133), d = kSecond;
  EXPECT_EQ(Row(1), (std::vector{a, a, b, b, c, c, d, d, d, d, d, kPaper}));
  EXPECT_EQ(Row(2), (std::vector{d, d, c, c, b, b, a, a, a, a, a, kPaper}));
  FillGradient(canvas, {0, 4, 2, 10}, kFirst, kSecond, TGradientDirection::gdUp, 2);
  EXPECT_EQ(bitmap.Pixel(0, 4), kSecond);
  EXPECT_EQ(bitmap.Pixel(0, 9), kFirst);
}

TEST_F(FillGradientTest, LeavesTheCanvasBrushAsItWas) {
  canvas.Brush() = {RGB(9, 9, 9), TBrushStyle::bsClear};
  FillGradient(canvas, {0, 0, 4, 4}, kFirst, kSecond, TGradientDirection::gdDown, 4);
  EXPECT_EQ(canvas.Brush().color, RGB(9, 9, 9));
  EXPECT_EQ(canvas.Brush().style, TBrushStyle::bsClear);
}

}  // namespace
