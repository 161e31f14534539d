// The screen as the drawing code sees it: its size in twips and the twips in one pixel, and the
// one rule by which every front end draws above 100 %: the scene is laid out in logical pixels of
// 1/96 inch, as at 100 %, while its canvas paints every device pixel.
#pragma once

#include <cmath>

namespace quorvane {

// Twips are 1/1440 inch.
inline constexpr double kTwipsPerInch = 1440;
// A logical pixel is 1/96 inch: 15 twips.
inline constexpr double kLogicalPixelsPerInch = 96;

struct ScreenMetrics {
  float Width = 0;   // twips
  float Height = 0;  // twips
  float TwipsPerPixelX = 15;
  float TwipsPerPixelY = 15;

  // Twips as whole pixels across and down.
  int PixelsX(double twips) const { return static_cast<int>(std::lround(twips / TwipsPerPixelX)); }
  int PixelsY(double twips) const { return static_cast<int>(std::lround(twips / TwipsPerPixelY)); }
};

// Device pixels per logical pixel on a screen of that many dots per inch: 1.5 at 144.
inline double DevicePixelRatio(double dotsPerInch) {
  return dotsPerInch / kLogicalPixelsPerInch;
}

// A screen of width x height device pixels, `ratio` of them to a logical pixel, in logical
// pixels: what the scene lays out in, so its text lines, margins and one-pixel floors keep the
// proportions they have at 100 %.
inline ScreenMetrics LogicalScreen(int width, int height, double ratio) {
  const auto twipsPerPixel = static_cast<float>(kTwipsPerInch / kLogicalPixelsPerInch);
  const auto devicePixel = static_cast<float>(twipsPerPixel / ratio);
  return {static_cast<float>(width) * devicePixel, static_cast<float>(height) * devicePixel,
          twipsPerPixel, twipsPerPixel};
}

// The same area in device pixels, `ratio` of them to one of `metrics`' pixels: what a canvas
// paints, so every device pixel of the screen is drawn.
inline ScreenMetrics InDevicePixels(const ScreenMetrics& metrics, double ratio) {
  ScreenMetrics device = metrics;
  device.TwipsPerPixelX = static_cast<float>(metrics.TwipsPerPixelX / ratio);
  device.TwipsPerPixelY = static_cast<float>(metrics.TwipsPerPixelY / ratio);
  return device;
}

}  // namespace quorvane
