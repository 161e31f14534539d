// How the full-screen window covers the desktop: one window over the box that holds every
// monitor, the orrery on the primary monitor and black everywhere else, so no monitor shows what
// the screen saver hides. Front ends that make one window for all monitors lay it out by this.
#pragma once

#include <vector>

#include "core/platform/pixel_rect.h"

namespace quorvane {

struct MonitorArea {
  PixelRect area;  // in screen pixels; the primary monitor's top-left is 0,0 on Windows
  bool primary = false;
};

struct FullScreenLayout {
  PixelRect window;              // in screen pixels: every monitor and the gaps between them
  PixelRect orrery;              // the primary monitor, in the window's pixels
  std::vector<PixelRect> black;  // the rest of the window, in the window's pixels
};

// The layout for the monitors the system reports; with none marked primary, the first is taken.
// An empty list gives an empty layout.
FullScreenLayout LayOutFullScreen(const std::vector<MonitorArea>& monitors);

}  // namespace quorvane
