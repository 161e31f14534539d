// The cache of standing shapes: outline circles (orbit rings) and large discs (the Sun) that the
// scene redraws with the same centre, radius and colours frame after frame. Each remembers where
// other drawing changed pixels on or near its outline (inside it, for a disc) since its last
// draw; everywhere else its pixels are still as that draw left them, so a redraw needs to cover
// only those rectangles.
#pragma once

#include <cstddef>
#include <vector>

#include "core/platform/color.h"
#include "core/platform/pixel_rect.h"
#include "core/platform/raster/span_raster.h"

namespace quorvane {

struct StandingShape {
  // The call as the scene made it, compared exactly: the same call draws the same pixels.
  float x = 0;
  float y = 0;
  float radius = 0;
  Color color = 0;
  bool filled = false;
  Color fillColor = 0;
  PixelEllipse shape;
  PixelRect bounds;  // the pixels the shape may touch
  std::vector<PixelRect> damage;
  bool redrawn = false;  // found again after its first draw: it stands

  bool SameCall(const StandingShape& other) const {
    return x == other.x && y == other.y && radius == other.radius && color == other.color &&
           filled == other.filled && fillColor == other.fillColor;
  }
};

class StandingShapes {
 public:
  // Discs smaller than this are drawn whole every time: cheaper than tracking them.
  static constexpr long long kSmallestDisc = 64 * 64;  // pixels of the bounds

  // The shape drawn by the same call before, now counted as the one drawn last; nullptr when none.
  StandingShape* Find(const StandingShape& drawn);
  // Remembers a shape drawn whole for the first time, forgetting an older one to make room.
  StandingShape& Remember(const StandingShape& drawn);
  // Where `shape` was damaged since its last draw, which now counts as repaired. Valid until the
  // next call.
  const std::vector<PixelRect>& TakeDamage(StandingShape& shape);
  // Pixels in `rect` changed: every remembered shape but `source` they may belong to is damaged
  // there.
  void MarkDamaged(const PixelRect& rect, const StandingShape* source);
  void Clear() { shapes_.clear(); }

 private:
  std::vector<StandingShape> shapes_;  // least recently drawn first
  std::vector<PixelRect> taken_;
};

}  // namespace quorvane
