#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <utility>

#include "pictures/aircraft_views.h"
#include "pictures/shining_examples.h"

namespace {

PixelBitmap Pixels(const Bitmap& picture, int width, int height) {
  PixelBitmap pixels(width, height);
  MemoryDC source;
  MemoryDC target;
  SelectGuard selectSource(source.Get(), picture.Get());
  SelectGuard selectTarget(target.Get(), pixels.Handle());
  BitBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
  return pixels;
}

int Brightness(COLORREF pixel) { return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel); }

// How much the specular highlight adds: the pixels it lifts noticeably,
// and the most it lifts one.
struct Highlight {
  int area = 0;
  int peak = 0;
};

Highlight HighlightOf(int power, double specular) {
  const PixelBitmap dull = Pixels(ShiningExample(power, 0), kShiningWidth, kShiningHeight);
  const PixelBitmap lit = Pixels(ShiningExample(power, specular), kShiningWidth, kShiningHeight);
  Highlight highlight;
  for (int y = 0; y < kShiningHeight; ++y) {
    for (int x = 0; x < kShiningWidth; ++x) {
      const int added = Brightness(lit.Pixel(x, y)) - Brightness(dull.Pixel(x, y));
      if (added > 30) ++highlight.area;
      highlight.peak = std::max(highlight.peak, added);
    }
  }
  return highlight;
}

TEST(ShiningExampleTest, LowerPowerShinesALargerPartOfTheBody) {
  const int at300 = HighlightOf(300, 0.5).area;
  const int at50 = HighlightOf(50, 0.5).area;
  const int at10 = HighlightOf(10, 0.5).area;
  EXPECT_GT(at300, 0);
  EXPECT_GT(at50, at300);
  EXPECT_GT(at10, at50);
}

TEST(ShiningExampleTest, HigherSpecularLevelBrightensTheHighlight) {
  const int at01 = HighlightOf(200, 0.1).peak;
  const int at05 = HighlightOf(200, 0.5).peak;
  const int at09 = HighlightOf(200, 0.9).peak;
  EXPECT_GT(at01, 0);
  EXPECT_GT(at05, at01);
  EXPECT_GT(at09, at05);
}

TEST(ShiningExampleTest, TheSixExamplesAreDrawnWellWithinATenthOfASecond) {
  const auto start = std::chrono::steady_clock::now();
  for (const auto& [power, specular] :
       {std::pair{300, 0.5}, {50, 0.5}, {10, 0.5}, {200, 0.1}, {200, 0.5}, {200, 0.9}}) {
    EXPECT_TRUE(ShiningExample(power, specular));
  }
  const auto taken = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::cout << "six shining examples: " << taken.count() << " ms\n";
  EXPECT_LT(taken.count(), 100);
}

int AircraftPixels(TAircraftType type) {
  const PixelBitmap view =
      Pixels(AircraftView(type), kAircraftViewWidth, kAircraftViewHeight);
  const COLORREF apron = view.Pixel(0, 0);
  int count = 0;
  for (int y = 0; y < kAircraftViewHeight; ++y) {
    for (int x = 0; x < kAircraftViewWidth; ++x) count += view.Pixel(x, y) != apron;
  }
  return count;
}

TEST(AircraftViewTest, LargerTypesFillMoreOfThePicture) {
  int previous = 0;
  for (TAircraftType type : {TAircraftType::Fighter, TAircraftType::FighterBomber,
                             TAircraftType::MediumBomber, TAircraftType::HeavyBomber}) {
    const int pixels = AircraftPixels(type);
    EXPECT_GT(pixels, previous);
    previous = pixels;
  }
  EXPECT_LT(previous, kAircraftViewWidth * kAircraftViewHeight / 2);
}

}  // namespace
