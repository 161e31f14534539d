// The screen as the drawing code sees it: its size in twips and the twips in one pixel.
#pragma once

#include <cmath>

namespace quorvane {

// Twips are 1/1440 inch.
inline constexpr double kTwipsPerInch = 1440;

struct ScreenMetrics {
  float Width = 0;   // twips
  float Height = 0;  // twips
  float TwipsPerPixelX = 15;
  float TwipsPerPixelY = 15;

  // Twips as whole pixels across and down.
  int PixelsX(double twips) const { return static_cast<int>(std::lround(twips / TwipsPerPixelX)); }
  int PixelsY(double twips) const { return static_cast<int>(std::lround(twips / TwipsPerPixelY)); }
};

}  // namespace quorvane
