#include "qt/preview/preview_canvas.h"

#include <memory>

#include "core/preview/preview_scene.h"
#include "qt/platform/qt_glyph_source.h"

namespace quorvane {

PixelCanvas MakePreviewCanvas(const ScreenMetrics& screen, double devicePixelRatio,
                              const QFont& font) {
  // In device pixels: at any scale the ring is drawn as finely as the screen shows it.
  const ScreenMetrics device = InDevicePixels(screen, devicePixelRatio);
  // The preview prints nothing; the canvas still needs a font to measure with.
  return PixelCanvas(
      device.PixelsX(screen.TwipsPerPixelX * kPreviewWidthPixels),
      device.PixelsY(screen.TwipsPerPixelY * kPreviewHeightPixels), device.TwipsPerPixelX,
      device.TwipsPerPixelY, kPreviewBackColor,
      std::make_unique<QtGlyphSource>(font, device.TwipsPerPixelX, device.TwipsPerPixelY));
}

}  // namespace quorvane
