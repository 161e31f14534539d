// The fixed table of the ten bodies the orrery knows: the Sun and the planets Mercury to Pluto.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/platform/color.h"

namespace quorvane {

struct Body {
  std::string NameJp;
  std::string NameEn;
  double Period = 0;       // days
  double OrbitRadius = 0;  // units of 10,000 km
  double Diameter = 0;     // km
  ::quorvane::Color Color = 0;
  std::int16_t Giant = 0;  // 0 false, -1 true
};

inline constexpr int kBodyCount = 10;
inline constexpr int kSunId = 0;
inline constexpr int kFirstPlanetId = 1;
inline constexpr int kLastPlanetId = 9;

// Index 0 is the Sun, 1 Mercury ... 9 Pluto; index order is distance order.
using BodyTable = std::array<Body, kBodyCount>;

// Writes every field of all ten entries.
void InitBodies(BodyTable& bodies);

// The body's name in the interface language (1 Japanese, anything else English).
const std::string& DisplayName(const Body& body, int language);

}  // namespace quorvane
