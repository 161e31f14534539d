// The primary screen's metrics as Qt reports them.
#pragma once

#include <QRegion>
#include <QSize>

#include "core/platform/screen_metrics.h"

namespace quorvane {

// The primary screen; twips per pixel come from its logical resolution (15 at 96 dots per inch).
// Needs the application object.
ScreenMetrics PrimaryScreenMetrics();

// The same area in the primary screen's device pixels: as many twips, in smaller pixels above
// 100 %. A canvas of these metrics paints every device pixel while the scene, laid out in the
// screen's logical pixels, keeps the proportions it has at 100 %.
// The same at `ratio` device pixels per logical pixel is the core's InDevicePixels.
ScreenMetrics InDevicePixels(const ScreenMetrics& metrics);

// The primary screen's device pixels per logical pixel; 1 without a screen.
qreal PrimaryPixelRatio();

// An area given in device pixels (another program's window) as the scene sees it, in the primary
// screen's logical pixels.
ScreenMetrics AreaMetrics(QSize devicePixels);

// A region scaled between a window's coordinates and its device pixels (by the device pixel
// ratio or its inverse), each rectangle grown to whole pixels.
QRegion ScaledRegion(const QRegion& region, qreal factor);

}  // namespace quorvane
