// The full-screen orrery's canvas on Win32: black, in device pixels, its text in the orrery's
// font made for GDI.
#pragma once

#include <memory>

#include "core/platform/glyph_source.h"
#include "core/platform/pixel_canvas.h"
#include "core/platform/screen_metrics.h"

namespace quorvane {

// The glyphs of the orrery's font at the resolution of `device`.
std::unique_ptr<GlyphSource> MakeOrreryGlyphs(const ScreenMetrics& device);
// A canvas over the whole of `device`, one canvas pixel per device pixel.
PixelCanvas MakeOrreryCanvas(const ScreenMetrics& device);

}  // namespace quorvane
