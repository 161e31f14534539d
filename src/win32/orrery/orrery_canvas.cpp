#include "win32/orrery/orrery_canvas.h"

#include "core/platform/color.h"
#include "core/platform/font_names.h"
#include "win32/platform/gdi_fonts.h"
#include "win32/platform/gdi_glyph_source.h"

namespace quorvane {

std::unique_ptr<GlyphSource> MakeOrreryGlyphs(const ScreenMetrics& device) {
  return std::make_unique<GdiGlyphSource>(
      CreateUiFont(kOrreryFont, SHIFTJIS_CHARSET, device.TwipsPerPixelY));
}

PixelCanvas MakeOrreryCanvas(const ScreenMetrics& device) {
  return PixelCanvas(device.PixelsX(device.Width), device.PixelsY(device.Height),
                     device.TwipsPerPixelX, device.TwipsPerPixelY, kBlack,
                     MakeOrreryGlyphs(device));
}

}  // namespace quorvane
