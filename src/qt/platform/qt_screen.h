// The primary screen's metrics as Qt reports them.
#pragma once

#include "core/platform/screen_metrics.h"

namespace quorvane {

// The primary screen; twips per pixel come from its logical resolution (15 at 96 dots per inch).
// Needs the application object.
ScreenMetrics PrimaryScreenMetrics();

}  // namespace quorvane
