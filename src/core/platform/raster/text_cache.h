// The text cache: each text rendered once from the glyph source into its ink, since the same
// few labels are measured and drawn every frame. Looking a text up allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/platform/glyph_source.h"
#include "core/platform/pixel_rect.h"
#include "core/platform/raster/span_raster.h"

namespace quorvane {

struct LaidOutText {
  int advance = 0;  // pixels
  InkMask ink;      // relative to the top-left corner
};

class TextCache {
 public:
  // Texts kept: the overlay's three lines and the ten names, with room to spare.
  static constexpr std::size_t kMaxTexts = 64;

  // The text as `glyphs` render it, rendered only when not kept already.
  const LaidOutText& LayOut(std::string_view text, GlyphSource& glyphs);
  // Counts the times the cache was emptied: layouts handed out before then are gone.
  std::uint64_t Generation() const { return generation_; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };
  std::unordered_map<std::string, LaidOutText, Hash, std::equal_to<>> texts_;
  std::uint64_t generation_ = 0;
};

}  // namespace quorvane
