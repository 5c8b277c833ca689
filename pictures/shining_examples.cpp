#include "pictures/shining_examples.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// A part of the body: an ellipse seen as a dome, flattened by bulge.
struct Part {
  double cx, cy, a, b;
  double bulge;
  double red, green, blue;
};

// Back to front: fin, fuselage, canopy, wing.
constexpr std::array<Part, 4> kParts{{
    {164, 44, 12, 24, 0.4, 165, 170, 182},
    {100, 68, 84, 16, 1.0, 182, 186, 196},
    {64, 54, 17, 8, 1.0, 60, 82, 125},
    {92, 80, 36, 9, 0.4, 160, 166, 178},
}};

struct Vector {
  double x, y, z;
};

Vector Normalized(Vector v) {
  const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / length, v.y / length, v.z / length};
}

const Vector kLight = Normalized({-0.45, -0.7, 0.6});

// The frontmost part under the pixel centre and its surface normal there.
const Part* PartAt(double x, double y, Vector& normal) {
  for (auto part = kParts.rbegin(); part != kParts.rend(); ++part) {
    const double u = (x - part->cx) / part->a;
    const double v = (y - part->cy) / part->b;
    const double rest = 1 - u * u - v * v;
    if (rest <= 0) continue;
    normal = Normalized({u * part->bulge, v * part->bulge, std::sqrt(rest)});
    return &*part;
  }
  return nullptr;
}

unsigned Channel(double value) {
  return static_cast<unsigned>(std::clamp(value, 0.0, 255.0));
}

// A 32-bit DIB pixel (blue in the low byte).
unsigned Pack(double red, double green, double blue) {
  return Channel(red) << 16 | Channel(green) << 8 | Channel(blue);
}

unsigned Sky(int y) {
  const double t = static_cast<double>(y) / kShiningHeight;
  return Pack(150 + 90 * t, 190 + 55 * t, 235 + 15 * t);
}

// Phong shading: the reflected light's share towards the viewer, raised to
// the power, scaled by the specular level.
unsigned Shade(const Part& part, const Vector& n, int power, double specular) {
  const double diffuse = std::max(0.0, n.x * kLight.x + n.y * kLight.y + n.z * kLight.z);
  const double towardsViewer = 2 * diffuse * n.z - kLight.z;
  const double highlight = 255 * specular * std::pow(std::max(0.0, towardsViewer), power);
  const double lit = 0.25 + 0.75 * diffuse;
  return Pack(part.red * lit + highlight, part.green * lit + highlight,
              part.blue * lit + highlight);
}

}  // namespace

Bitmap ShiningExample(int power, double specular) {
  std::vector<unsigned> pixels(static_cast<size_t>(kShiningWidth) * kShiningHeight);
  for (int y = 0; y < kShiningHeight; ++y) {
    for (int x = 0; x < kShiningWidth; ++x) {
      Vector normal{};
      const Part* part = PartAt(x + 0.5, y + 0.5, normal);
      pixels[static_cast<size_t>(y) * kShiningWidth + x] =
          part ? Shade(*part, normal, power, specular) : Sky(y);
    }
  }
  const BITMAPINFO info = TopDownInfo(kShiningWidth, kShiningHeight);
  WindowDC screen;
  Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), kShiningWidth, kShiningHeight));
  SetDIBits(screen.Get(), bitmap.Get(), 0, kShiningHeight, pixels.data(), &info, DIB_RGB_COLORS);
  return bitmap;
}
