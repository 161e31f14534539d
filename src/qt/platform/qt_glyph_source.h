// Text for the pixel canvas from Qt's fonts: each text rendered once with QPainter, without
// antialiasing, at the screen's resolution.
//
// Implements: any UTF-8 text in one font, with Qt's font fallback for missing glyphs. Limits:
// one line per text (line breaks are not laid out).
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include "core/platform/glyph_source.h"

namespace quorvane {

class QtGlyphSource final : public GlyphSource {
 public:
  // Text in `font` on a screen where one pixel is twipsPerPixelX twips wide and twipsPerPixelY
  // high, so point sizes give the same pixels as on that screen.
  QtGlyphSource(const QFont& font, float twipsPerPixelX, float twipsPerPixelY);

  GlyphMask Render(std::string_view text) override;
  int LineHeight() const override { return lineHeight_; }

 private:
  QImage device_;  // carries the screen's resolution for the metrics and the rendering
  QFont font_;
  QFontMetrics metrics_;
  int lineHeight_;  // asked for by every text drawn: looked up once
};

}  // namespace quorvane
