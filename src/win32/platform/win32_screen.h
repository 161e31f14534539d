// The primary screen's size and resolution as the drawing code sees them, from GDI.
#pragma once

#include <windows.h>

#include "core/platform/screen_metrics.h"

namespace quorvane {

ScreenMetrics PrimaryScreenMetrics();

}  // namespace quorvane
