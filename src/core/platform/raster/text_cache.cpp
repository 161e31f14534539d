#include "core/platform/raster/text_cache.h"

#include <utility>

namespace quorvane {

const LaidOutText& TextCache::LayOut(std::string_view text, GlyphSource& glyphs) {
  const auto found = texts_.find(text);
  if (found != texts_.end()) {
    return found->second;
  }
  if (texts_.size() == kMaxTexts) {
    texts_.clear();
    ++generation_;
  }
  const GlyphMask mask = glyphs.Render(text);
  LaidOutText laidOut;
  laidOut.advance = mask.advance;
  laidOut.ink = MaskInk(mask);
  return texts_.emplace(std::string(text), std::move(laidOut)).first->second;
}

}  // namespace quorvane
