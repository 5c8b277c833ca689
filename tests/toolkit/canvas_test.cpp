#include <gtest/gtest.h>

#include "toolkit/canvas.h"
#include "toolkit/image.h"

#include <vector>

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

// A picture drawn transparently leaves out its bottom-left colour and only
// that one (colours a step from it are drawn), at its own size and
// stretched, over a background of two colours that must show through
// unchanged; the canvas keeps its text and background colours.
TEST_F(CanvasTest, TransparentBitmapLeavesOutItsBottomLeftColourExactly) {
  constexpr COLORREF kKey = RGB(255, 0, 255);
  constexpr COLORREF kColours[] = {RGB(254, 0, 255), RGB(255, 1, 255), RGB(255, 0, 254),
                                   RGB(0, 0, 0), RGB(255, 255, 255)};
  constexpr int kWidth = 7;
  constexpr int kHeight = 4;
  const auto picturePixel = [&](int x, int y) {
    return (x + y) % 3 == 0 ? kKey : kColours[(x + 2 * y) % 5];
  };
  const auto background = [](int x, int y) {
    return (x + y) % 2 ? RGB(10, 20, 30) : RGB(200, 100, 50);
  };
  const WindowDC screen;
  Bitmap picture(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
  {
    MemoryDC source;
    SelectGuard selectPicture(source.Get(), picture.Get());
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) SetPixelV(source.Get(), x, y, picturePixel(x, y));
    }
  }
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) SetPixelV(dc.Get(), x, y, background(x, y));
  }
  SetTextColor(dc.Get(), RGB(1, 2, 3));
  SetBkColor(dc.Get(), RGB(4, 5, 6));

  const RECT own{3, 1, 3 + kWidth, 1 + kHeight};
  const RECT stretched{2, 8, 2 + 2 * kWidth, 8 + 2 * kHeight};
  DrawBitmap(dc.Get(), picture.Get(), own, true);
  DrawBitmap(dc.Get(), picture.Get(), stretched, true);

  std::vector<COLORREF> expected, drawn;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      COLORREF pixel = kKey;
      if (PtInRect(&own, {x, y})) pixel = picturePixel(x - own.left, y - own.top);
      if (PtInRect(&stretched, {x, y}))
        pixel = picturePixel((x - stretched.left) / 2, (y - stretched.top) / 2);
      expected.push_back(pixel == kKey ? background(x, y) : pixel);
      drawn.push_back(bitmap.Pixel(x, y));
    }
  }
  EXPECT_EQ(drawn, expected);
  EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc.Get()), RGB(4, 5, 6));
}

TEST(ColorToRGB, TranslatesSystemColoursOnly) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clBtnShadow), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ColorToRGB(14666957), RGB(205, 204, 223));
  EXPECT_EQ(ColorToRGB(0x8000000F), GetSysColor(15));
}

}  // namespace
