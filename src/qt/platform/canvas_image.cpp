#include "qt/platform/canvas_image.h"

#include <QList>

namespace quorvane {

QColor ToQColor(Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QRegion ToQRegion(const std::vector<PixelRect>& rects) {
  QRegion region;
  for (const PixelRect& rect : rects) {
    region += QRect(rect.left, rect.top, rect.width, rect.height);
  }
  return region;
}

QImage CanvasImage(const PixelCanvas& canvas) {
  QImage image(canvas.Pixels(), canvas.Width(), canvas.Height(), canvas.Width(),
               QImage::Format_Indexed8);
  QList<QRgb> colours;
  colours.reserve(static_cast<qsizetype>(canvas.Palette().size()));
  for (const Color colour : canvas.Palette()) {
    colours.push_back(ToQColor(colour).rgb());
  }
  image.setColorTable(colours);
  return image;
}

}  // namespace quorvane
