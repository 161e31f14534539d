// The primary screen's size and resolution as the drawing code sees them, from GDI.
#pragma once

#include <windows.h>

#include "core/platform/screen_metrics.h"

namespace quorvane {

// The primary screen in device pixels: what the dialog lays its controls out in.
ScreenMetrics PrimaryScreenMetrics();

// Device pixels per logical pixel on the primary screen: 1.5 at 144 dots per inch.
double PrimaryPixelRatio();

}  // namespace quorvane
