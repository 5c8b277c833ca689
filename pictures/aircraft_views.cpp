#include "pictures/aircraft_views.h"

#include "pictures/draw_picture.h"

namespace {

constexpr TColor kApron = RGB(205, 200, 178);
constexpr TColor kBody = RGB(86, 104, 74);
constexpr TColor kOutline = RGB(40, 48, 36);
constexpr double kPixelsPerMetre = 7;
constexpr int kCentreX = kAircraftViewWidth / 2;
constexpr int kCentreY = kAircraftViewHeight / 2;

// Wing span and length in metres, engines on the wings (none: one in the
// nose).
struct Dimensions {
  double span;
  double length;
  int wingEngines;
};

Dimensions DimensionsOf(TAircraftType type) {
  switch (type) {
    case TAircraftType::Fighter: return {11, 9, 0};
    case TAircraftType::FighterBomber: return {16, 13, 2};
    case TAircraftType::MediumBomber: return {21, 16, 2};
    case TAircraftType::HeavyBomber: return {31, 20, 4};
  }
  return {11, 9, 0};
}

int Px(double metres) { return static_cast<int>(metres * kPixelsPerMetre + 0.5); }

// A tapered, slightly swept surface across the body: its leading edge at
// top (pixels), root chord and tip chord in metres.
void PaintSurface(TCanvas& canvas, int top, double span, double root, double tip) {
  const int half = Px(span / 2);
  const int sweep = Px(root / 4);
  canvas.Polygon({{kCentreX - half, top + sweep},
                  {kCentreX, top},
                  {kCentreX + half, top + sweep},
                  {kCentreX + half, top + sweep + Px(tip)},
                  {kCentreX, top + Px(root)},
                  {kCentreX - half, top + sweep + Px(tip)}});
}

void PaintEngine(TCanvas& canvas, int x, int wingTop, double length) {
  const int width = Px(length * 0.06);
  canvas.Ellipse(x - width, wingTop - Px(length * 0.08), x + width, wingTop + Px(length * 0.12));
}

void PaintAircraft(TCanvas& canvas, const Dimensions& size) {
  canvas.Pen() = {kOutline, 1};
  canvas.Brush().color = kBody;
  const int nose = kCentreY - Px(size.length / 2);
  const int tail = kCentreY + Px(size.length / 2);
  const int wingTop = nose + Px(size.length * 0.3);
  PaintSurface(canvas, wingTop, size.span, size.length * 0.22, size.length * 0.1);
  PaintSurface(canvas, tail - Px(size.length * 0.14), size.span * 0.35, size.length * 0.12,
               size.length * 0.07);
  const int body = Px(size.length * 0.06);
  canvas.Ellipse(kCentreX - body, nose, kCentreX + body, tail);
  for (int i = 1; i <= size.wingEngines / 2; ++i) {
    const int offset = Px(size.span * 0.19 * i);
    PaintEngine(canvas, kCentreX - offset, wingTop + Px(size.length * 0.04), size.length);
    PaintEngine(canvas, kCentreX + offset, wingTop + Px(size.length * 0.04), size.length);
  }
  canvas.Brush().color = RGB(150, 190, 215);
  const int canopy = Px(size.length * 0.03);
  canvas.Ellipse(kCentreX - canopy, nose + Px(size.length * 0.12), kCentreX + canopy,
                 nose + Px(size.length * 0.26));
}

}  // namespace

Bitmap AircraftView(TAircraftType type) {
  const Dimensions size = DimensionsOf(type);
  return DrawPicture(kAircraftViewWidth, kAircraftViewHeight, kApron,
                     [&size](TCanvas& canvas) { PaintAircraft(canvas, size); });
}
