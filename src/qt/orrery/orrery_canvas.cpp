#include "qt/orrery/orrery_canvas.h"

#include "qt/platform/fonts.h"
#include "qt/platform/qt_screen.h"

namespace quorvane {

QtCanvas MakeOrreryCanvas(const ScreenMetrics& screen) {
  const ScreenMetrics device = InDevicePixels(screen);
  return QtCanvas(QSize(device.PixelsX(device.Width), device.PixelsY(device.Height)),
                  device.TwipsPerPixelX, device.TwipsPerPixelY, Qt::black,
                  MakeCanvasFont(kUiGothic, 11.25, QFont::Bold, device.TwipsPerPixelY));
}

}  // namespace quorvane
