// The primary screen's metrics as Qt reports them.
#pragma once

#include <QSize>

#include "core/platform/screen_metrics.h"

namespace quorvane {

// The primary screen; twips per pixel come from its logical resolution (15 at 96 dots per inch).
// Needs the application object.
ScreenMetrics PrimaryScreenMetrics();

// An area of `devicePixels` on the primary screen in device pixels: twips per pixel follow the
// screen's real scale (7.5 at 200 %), so the picture keeps the proportions it has at 100 %.
ScreenMetrics DeviceScreenMetrics(QSize devicePixels);

}  // namespace quorvane
