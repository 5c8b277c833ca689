#include <gtest/gtest.h>

#include "toolkit/canvas.h"

namespace {

// A canvas over a white pixel bitmap.
class CanvasTest : public testing::Test {
 protected:
  CanvasTest() : bitmap(20, 20), select(dc.Get(), bitmap.Handle()), canvas(dc.Get()) {
    canvas.Brush().color = clWhite;
    canvas.FillRect({0, 0, 20, 20});
  }

  MemoryDC dc;
  PixelBitmap bitmap;
  SelectGuard select;
  TCanvas canvas;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST_F(CanvasTest, LineDoesNotPaintItsEndPoint) {
  canvas.Pen().color = clRed;
  canvas.MoveTo(2, 5);
  canvas.LineTo(10, 5);
  EXPECT_EQ(bitmap.Pixel(2, 5), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.Pixel(9, 5), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.Pixel(10, 5), kWhite);
  EXPECT_EQ(bitmap.Pixel(1, 5), kWhite);
}

TEST_F(CanvasTest, RectangleCoversX1ToX2MinusOne) {
  canvas.Pen().color = clBlack;
  canvas.Brush().color = clGreen;
  canvas.Rectangle(3, 4, 8, 9);
  EXPECT_EQ(bitmap.Pixel(3, 4), RGB(0, 0, 0));
  EXPECT_EQ(bitmap.Pixel(7, 8), RGB(0, 0, 0));
  EXPECT_EQ(bitmap.Pixel(8, 8), kWhite);
  EXPECT_EQ(bitmap.Pixel(7, 9), kWhite);
  EXPECT_EQ(bitmap.Pixel(5, 6), RGB(0, 128, 0));
}

TEST_F(CanvasTest, ClearBrushLeavesTheInsideAlone) {
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.Pen().color = clBlack;
  canvas.Rectangle(2, 2, 10, 10);
  EXPECT_EQ(bitmap.Pixel(5, 5), kWhite);
  EXPECT_EQ(bitmap.Pixel(2, 5), RGB(0, 0, 0));
}

TEST_F(CanvasTest, FillRectUsesTheBrushAndSystemColours) {
  canvas.Brush().color = clBtnFace;
  canvas.FillRect({0, 0, 4, 4});
  EXPECT_EQ(bitmap.Pixel(3, 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(bitmap.Pixel(4, 4), kWhite);
}

TEST_F(CanvasTest, PixelsReadAndWrite) {
  canvas.SetPixel(7, 7, RGB(1, 2, 3));
  EXPECT_EQ(canvas.Pixel(7, 7), RGB(1, 2, 3));
  EXPECT_EQ(bitmap.Pixel(7, 7), RGB(1, 2, 3));
}

TEST_F(CanvasTest, TextExtentFollowsTheFontHeight) {
  canvas.Font().SetName(L"Arial");
  canvas.Font().SetHeight(12);
  const SIZE small = canvas.TextExtent(L"Wing");
  canvas.Font().SetHeight(24);
  const SIZE large = canvas.TextExtent(L"Wing");
  EXPECT_GT(large.cy, small.cy);
  EXPECT_GT(large.cx, small.cx);
  EXPECT_EQ(canvas.TextExtent(L"").cx, 0);
}

TEST(ColorToRGB, TranslatesSystemColoursOnly) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clBtnShadow), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ColorToRGB(14666957), RGB(205, 204, 223));
  EXPECT_EQ(ColorToRGB(0x8000000F), GetSysColor(15));
}

}  // namespace
