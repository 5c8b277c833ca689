#include "pictures/shining_examples.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

struct Vector {
  double x, y, z;
};

Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector operator*(double s, Vector a) { return {s * a.x, s * a.y, s * a.z}; }
double Dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector Cross(Vector a, Vector b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vector Unit(Vector a) { return (1 / std::sqrt(Dot(a, a))) * a; }
// Component by component.
Vector Divided(Vector a, Vector b) { return {a.x / b.x, a.y / b.y, a.z / b.z}; }

// A part of the aircraft: an ellipsoid along the aircraft's axes (x to the
// nose, y to the right wing, z up; the unit is half the fuselage's length).
struct Part {
  Vector centre;
  Vector radii;
  Vector colour;
};

constexpr Vector kPaint{102, 112, 132};
constexpr Vector kGlass{45, 60, 85};
constexpr std::array<Part, 5> kParts{{
    {{0, 0, 0}, {1, 0.12, 0.12}, kPaint},               // fuselage
    {{0.1, 0, -0.04}, {0.22, 0.95, 0.06}, kPaint},      // wings
    {{-0.86, 0, 0}, {0.11, 0.34, 0.03}, kPaint},        // tailplane
    {{-0.86, 0, 0.1}, {0.14, 0.02, 0.2}, kPaint},       // fin
    {{0.22, 0, 0.08}, {0.21, 0.07, 0.08}, kGlass},      // canopy
}};

constexpr double kAmbient = 0.45;
// Pixels per unit, and the picture point under the aircraft's centre.
constexpr double kScale = 84;
constexpr double kCentreX = 100;
constexpr double kCentreY = 62;

// An orthographic camera ahead of the right wing and above it: towards the
// viewer, and the picture's right and up.
struct Camera {
  Vector view, right, up;
};

Camera ThreeQuarterView() {
  constexpr double kAzimuth = 35 * std::numbers::pi / 180;
  constexpr double kElevation = 32 * std::numbers::pi / 180;
  const Vector view{std::cos(kElevation) * std::cos(kAzimuth),
                    std::cos(kElevation) * std::sin(kAzimuth), std::sin(kElevation)};
  const Vector right = Unit(Cross(-1 * view, {0, 0, 1}));
  return {view, right, Cross(right, -1 * view)};
}

// A part as the camera meets it: every ray runs along the view, so the
// ray's direction in the part's unit-sphere space is fixed, and the part
// covers no picture point farther than its longest radius from its centre.
struct PartView {
  const Part* part;
  Vector along;
  double squared;
  double x, y, reach;
};

// The scene fixed for every example: camera, the light towards which a
// nearly upward surface mirrors the viewer (so the wings and the fuselage's
// back catch the highlight), the half-way vector of Blinn-Phong, and the
// parts as the camera meets them.
struct Scene {
  Camera camera = ThreeQuarterView();
  Vector light = Light(camera);
  Vector half = Unit(light + camera.view);
  std::array<PartView, kParts.size()> parts = Views(camera);

  static Vector Light(const Camera& camera) {
    const Vector mirror = Unit(Vector{0, 0, 1} + 0.12 * camera.up - 0.12 * camera.right);
    return Unit(2 * Dot(camera.view, mirror) * mirror - camera.view);
  }

  static std::array<PartView, kParts.size()> Views(const Camera& camera) {
    std::array<PartView, kParts.size()> views{};
    for (size_t i = 0; i < kParts.size(); ++i) {
      const Part& part = kParts[i];
      const Vector along = Divided(-1 * camera.view, part.radii);
      views[i] = {&part, along, Dot(along, along), kCentreX + kScale * Dot(part.centre, camera.right),
                  kCentreY - kScale * Dot(part.centre, camera.up),
                  kScale * std::max({part.radii.x, part.radii.y, part.radii.z})};
    }
    return views;
  }
};

// Where the ray from o along the view first meets the part, as the distance
// along the ray, or a negative value when it misses.
double Hit(const PartView& view, Vector o) {
  const Vector from = Divided(o - view.part->centre, view.part->radii);
  const double b = Dot(from, view.along);
  const double disc = b * b - view.squared * (Dot(from, from) - 1);
  return disc < 0 ? -1 : (-b - std::sqrt(disc)) / view.squared;
}

Vector Sky(double y) {
  const double t = y / kShiningHeight;
  return {70 + 60 * t, 115 + 55 * t, 180 + 35 * t};
}

// The colour seen at a picture point (x, y): the nearest part, lit, or the
// sky behind.
Vector Sample(const Scene& scene, double x, double y, int power, double specular) {
  const Camera& camera = scene.camera;
  const Vector o = ((x - kCentreX) / kScale) * camera.right +
                   ((kCentreY - y) / kScale) * camera.up + 10 * camera.view;
  const Vector d = -1 * camera.view;
  const Part* nearest = nullptr;
  double distance = 0;
  for (const PartView& view : scene.parts) {
    if (std::abs(x - view.x) > view.reach || std::abs(y - view.y) > view.reach) continue;
    const double t = Hit(view, o);
    if (t > 0 && (!nearest || t < distance)) {
      nearest = view.part;
      distance = t;
    }
  }
  if (!nearest) return Sky(y);
  const Vector point = o + distance * d;
  const Vector normal = Unit(Divided(Divided(point - nearest->centre, nearest->radii), nearest->radii));
  const double diffuse = std::max(0.0, Dot(normal, scene.light));
  const double shine = 255 * specular * std::pow(std::max(0.0, Dot(normal, scene.half)), power);
  const double lit = kAmbient + (1 - kAmbient) * diffuse;
  const Vector white{shine, shine, shine};
  return lit * nearest->colour + white;
}

unsigned Channel(double value) { return static_cast<unsigned>(std::clamp(value, 0.0, 255.0)); }

// A pixel as the mean of four samples, each limited to full brightness
// first, packed for a 32-bit DIB (blue in the low byte).
unsigned Pixel(const Scene& scene, int x, int y, int power, double specular) {
  double red = 0;
  double green = 0;
  double blue = 0;
  for (const auto& [dx, dy] : {std::pair{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}}) {
    const Vector c = Sample(scene, x + dx, y + dy, power, specular);
    red += std::min(255.0, c.x);
    green += std::min(255.0, c.y);
    blue += std::min(255.0, c.z);
  }
  return Channel(red / 4) << 16 | Channel(green / 4) << 8 | Channel(blue / 4);
}

}  // namespace

Bitmap ShiningExample(int power, double specular) {
  static const Scene scene;
  unsigned* pixels = nullptr;
  Bitmap bitmap = TopDownBitmap(kShiningWidth, kShiningHeight, &pixels);
  for (int y = 0; y < kShiningHeight; ++y) {
    for (int x = 0; x < kShiningWidth; ++x)
      pixels[static_cast<size_t>(y) * kShiningWidth + x] = Pixel(scene, x, y, power, specular);
  }
  return bitmap;
}
