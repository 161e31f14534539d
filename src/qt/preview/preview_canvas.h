// The preview's canvas, for its window and for a snapshot of it: navy, the window's fixed size in
// the screen's device pixels.
#pragma once

#include <QFont>

#include "core/platform/pixel_canvas.h"
#include "core/platform/screen_metrics.h"

namespace quorvane {

// A canvas over the preview window on `screen` (logical pixels), `devicePixelRatio` canvas
// pixels to each of them. Needs the application object.
PixelCanvas MakePreviewCanvas(const ScreenMetrics& screen, double devicePixelRatio,
                              const QFont& font);

}  // namespace quorvane
