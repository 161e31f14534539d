// The screen as the drawing code sees it: its size in twips and the twips in one pixel.
#pragma once

namespace quorvane {

struct ScreenMetrics {
  float Width = 0;   // twips
  float Height = 0;  // twips
  float TwipsPerPixelX = 15;
  float TwipsPerPixelY = 15;
};

// The primary screen; twips per pixel come from its logical resolution (15 at 96 dots per inch).
// Needs the application object.
ScreenMetrics PrimaryScreenMetrics();

}  // namespace quorvane
