// What a front end supplies so the pixel canvas can draw text: each text rendered once in the
// canvas's font at the canvas's resolution, as a coverage mask, with its advance and the font's
// line height. The canvas keeps the pixels the mask covers to at least half as the text's ink.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvane {

struct GlyphMask {
  // Where the mask's top-left pixel lies relative to the text's top-left corner (the top of the
  // line at the start of the text); glyphs may reach left of or above it.
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // row by row, 0 (none) to 255 (full)
  int advance = 0;                     // pixels from the text's start to where the next would go
};

class GlyphSource {
 public:
  virtual ~GlyphSource() = default;

  // The UTF-8 text laid out in the canvas's font, without antialiasing.
  virtual GlyphMask Render(std::string_view text) = 0;
  // Pixels from one line's top to the next's.
  virtual int LineHeight() const = 0;
};

}  // namespace quorvane
