#include "qt/orrery/orrery_canvas.h"

#include <memory>

#include "core/platform/color.h"
#include "core/platform/font_names.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_glyph_source.h"
#include "qt/platform/qt_screen.h"

namespace quorvane {

std::unique_ptr<GlyphSource> MakeOrreryGlyphs(const ScreenMetrics& device) {
  return std::make_unique<QtGlyphSource>(MakeFont(kOrreryFont), device.TwipsPerPixelX,
                                         device.TwipsPerPixelY);
}

PixelCanvas MakeOrreryCanvas(const ScreenMetrics& screen) {
  return MakeOrreryCanvas(screen, PrimaryPixelRatio());
}

PixelCanvas MakeOrreryCanvas(const ScreenMetrics& screen, double devicePixelRatio) {
  const ScreenMetrics device = InDevicePixels(screen, devicePixelRatio);
  // Glyphs at the device's resolution: the text keeps its size in the scene's pixels.
  return PixelCanvas(device.PixelsX(device.Width), device.PixelsY(device.Height),
                     device.TwipsPerPixelX, device.TwipsPerPixelY, kBlack,
                     MakeOrreryGlyphs(device));
}

}  // namespace quorvane
