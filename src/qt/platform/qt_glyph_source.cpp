#include "qt/platform/qt_glyph_source.h"

#include <QPainter>
#include <QString>
#include <cmath>

#include "core/platform/screen_metrics.h"

namespace quorvane {

namespace {

constexpr double kMetresPerInch = 0.0254;

int DotsPerMetre(float twipsPerPixel) {
  return static_cast<int>(std::lround(kTwipsPerInch / twipsPerPixel / kMetresPerInch));
}

QImage DeviceAt(float twipsPerPixelX, float twipsPerPixelY) {
  QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
  device.setDotsPerMeterX(DotsPerMetre(twipsPerPixelX));
  device.setDotsPerMeterY(DotsPerMetre(twipsPerPixelY));
  return device;
}

QFont WithoutAntialiasing(QFont font) {
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace

QtGlyphSource::QtGlyphSource(const QFont& font, float twipsPerPixelX, float twipsPerPixelY)
    : device_(DeviceAt(twipsPerPixelX, twipsPerPixelY)),
      font_(WithoutAntialiasing(font)),
      metrics_(font_, &device_),
      lineHeight_(metrics_.height()) {}

GlyphMask QtGlyphSource::Render(std::string_view text) {
  const QString string = QString::fromUtf8(text);
  GlyphMask mask;
  mask.advance = metrics_.horizontalAdvance(string);
  // Rendered in white on transparent; the alpha channel is the coverage.
  const QRect box = (metrics_.boundingRect(string).translated(0, metrics_.ascent()) |
                     QRect(0, 0, mask.advance, metrics_.height()))
                        .adjusted(-2, -2, 2, 2);
  QImage glyphs(box.size(), QImage::Format_ARGB32_Premultiplied);
  glyphs.setDotsPerMeterX(device_.dotsPerMeterX());
  glyphs.setDotsPerMeterY(device_.dotsPerMeterY());
  glyphs.fill(Qt::transparent);
  QPainter painter(&glyphs);
  painter.setFont(font_);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(-box.left(), metrics_.ascent() - box.top()), string);
  painter.end();
  mask.left = box.left();
  mask.top = box.top();
  mask.width = glyphs.width();
  mask.height = glyphs.height();
  mask.coverage.reserve(static_cast<std::size_t>(mask.width) * mask.height);
  for (int y = 0; y < glyphs.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
    for (int x = 0; x < glyphs.width(); ++x) {
      mask.coverage.push_back(static_cast<std::uint8_t>(qAlpha(line[x])));
    }
  }
  return mask;
}

}  // namespace quorvane
