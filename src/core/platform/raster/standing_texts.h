// Texts that stand: drawn with the same layout at the same place in the same colour frame after
// frame (the overlay's lines, the Sun's name). Each remembers where other drawing changed pixels
// within its ink's bounds since its last draw; everywhere else its ink is still there, so a redraw
// needs to cover only those rectangles, and none at all when nothing touched it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/platform/pixel_rect.h"
#include "core/platform/raster/text_cache.h"

namespace quorvane {

struct StandingText {
  // The layout as the text cache holds it, valid while the cache's generation is unchanged.
  const LaidOutText* text = nullptr;
  std::uint64_t generation = 0;
  int x = 0;  // the text's top-left corner, pixels
  int y = 0;
  std::uint8_t colour = 0;  // palette index
  PixelRect bounds;         // its ink on the canvas
  std::vector<PixelRect> damage;

  bool SameDraw(const StandingText& other) const {
    return generation == other.generation && text == other.text && x == other.x && y == other.y &&
           colour == other.colour;
  }
};

class StandingTexts {
 public:
  // The text drawn the same way before, now counted as the one drawn last; nullptr when none.
  StandingText* Find(const StandingText& drawn);
  // Whether a text not standing, now drawn whole, should be remembered: only when it was drawn
  // the same way a little earlier too. Most names move every frame, and every text remembered is
  // checked at each change of pixels. Notes this draw.
  bool DrawnRecently(const StandingText& drawn);
  // Remembers a text drawn whole, forgetting the one drawn longest ago to make room.
  StandingText& Remember(const StandingText& drawn);
  // Where `text` was damaged since its last draw, which now counts as repaired. Valid until the
  // next call.
  const std::vector<PixelRect>& TakeDamage(StandingText& text);
  // Pixels in `rect` changed: every remembered text but `source` whose ink they may hold is
  // damaged there.
  void MarkDamaged(const PixelRect& rect, const StandingText* source);
  void Clear() {
    texts_.clear();
    recent_ = {};
  }

 private:
  std::vector<StandingText> texts_;  // least recently drawn first
  std::vector<PixelRect> taken_;
  std::array<StandingText, 16> recent_;  // the latest draws of texts not standing, a ring
  std::size_t nextRecent_ = 0;
};

}  // namespace quorvane
