// The full-screen orrery's canvas, for its own window and for a host's: black, in the screen's
// device pixels, with the overlay's bold font sized to keep its proportion to the picture.
#pragma once

#include <memory>

#include "core/platform/glyph_source.h"
#include "core/platform/pixel_canvas.h"
#include "core/platform/screen_metrics.h"

namespace quorvane {

// The glyphs of the orrery's font at the resolution of `device`, which may be a canvas of its own.
// Needs the application object.
std::unique_ptr<GlyphSource> MakeOrreryGlyphs(const ScreenMetrics& device);
// A canvas over the area the scene lays out in `screen` (logical pixels), one canvas pixel per
// device pixel of the primary screen. Needs the application object.
PixelCanvas MakeOrreryCanvas(const ScreenMetrics& screen);
// The same for a surface of `devicePixelRatio` device pixels per logical pixel.
PixelCanvas MakeOrreryCanvas(const ScreenMetrics& screen, double devicePixelRatio);

}  // namespace quorvane
