// Text for the pixel canvas from GDI: each text drawn once with DrawTextW into a DIB section,
// without antialiasing, at the screen's resolution.
//
// Implements: any UTF-8 text on one line in one font, with GDI's font linking for glyphs the font
// lacks. Limits: line breaks are not laid out.
#pragma once

#include <windows.h>

#include "core/platform/glyph_source.h"

namespace quorvane {

class GdiGlyphSource final : public GlyphSource {
 public:
  // Takes ownership of `font`.
  explicit GdiGlyphSource(HFONT font);
  ~GdiGlyphSource() override;
  GdiGlyphSource(const GdiGlyphSource&) = delete;
  GdiGlyphSource& operator=(const GdiGlyphSource&) = delete;

  GlyphMask Render(std::string_view text) override;
  int LineHeight() const override { return lineHeight_; }

 private:
  HFONT font_;
  HDC dc_;
  int lineHeight_ = 0;
  int overhang_ = 0;  // room left and right for glyphs that reach past their advance
};

}  // namespace quorvane
