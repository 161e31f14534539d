// The formulas the orrery's procedures share: disc radius, scaled orbit radius, position on an
// orbit, label anchor and visibility. Scene values are kept in single precision and worked out in
// double precision, so every result is narrowed through ToSingle.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

// Results must be the same on every target: double expressions rounded as doubles, not held in a
// wider register (as with the x87 unit) and rounded twice.
static_assert(FLT_EVAL_METHOD == 0,
              "floating-point expressions must be evaluated in their own type");

namespace quorvane {

// Narrows to single precision. Values beyond the float range (a magnification like 1e30 on the
// Sun) become the largest float of that sign instead of overflowing the conversion.
inline float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -kMax, kMax));
}

// Radius of a body's disc in twips: the diameter in km halved into orbit units of 10,000 km,
// magnified by zoom and scaled like the orbits. Evaluated left to right.
inline double DrawnRadius(float zoom, double diameter, float orbitScale) {
  return static_cast<double>(zoom) * diameter / 20000 * orbitScale;
}

// A planet's disc is never drawn smaller than one pixel; the Sun has no such floor.
inline double PlanetRadius(float zoom, double diameter, float orbitScale, float twipsPerPixelX) {
  const double radius = DrawnRadius(zoom, diameter, orbitScale);
  return radius < twipsPerPixelX ? twipsPerPixelX : radius;
}

inline float ScaledOrbitRadius(float orbitScale, double orbitRadius) {
  return ToSingle(static_cast<double>(orbitScale) * orbitRadius);
}

inline float HalfDiagonal(float screenWidth, float screenHeight) {
  const double w = screenWidth;
  const double h = screenHeight;
  return ToSingle(std::sqrt(w * w + h * h) / 2);
}

// An orbit reaches into the screen when it starts strictly inside the half diagonal.
inline bool OrbitReachesScreen(float halfDiagonal, float scaledOrbitRadius) {
  return halfDiagonal > scaledOrbitRadius;
}

struct ScenePoint {
  float X = 0;
  float Y = 0;
};

// Position on a circular orbit; y grows downwards, so growing angles turn counter-clockwise.
inline ScenePoint OrbitPosition(float centerX, float centerY, float orbitScale, double orbitRadius,
                                float angle) {
  const double radius = static_cast<double>(orbitScale) * orbitRadius;
  const double a = angle;
  return {ToSingle(centerX + radius * std::cos(a)), ToSingle(centerY - radius * std::sin(a))};
}

// Left edge of a body's name: ten pixels right of the disc's edge.
inline float LabelX(float x, double radius, float twipsPerPixelX) {
  return ToSingle(x + radius + 10.0 * twipsPerPixelX);
}

}  // namespace quorvane
