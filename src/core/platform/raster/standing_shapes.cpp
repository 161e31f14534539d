#include "core/platform/raster/standing_shapes.h"

#include "core/platform/raster/damage_list.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace quorvane {

namespace {

// Shapes remembered; a frame redraws at most nine rings, the rest are leftovers of the load step.
constexpr std::size_t kMaxShapes = 24;
// Of which discs: redrawn in place only when they stand still, which planets never do.
constexpr std::size_t kMaxDiscs = 2;
// Beyond this many rectangles a shape's damage is kept as their bounding rectangle.
constexpr std::size_t kMaxDamageRects = 32;

double Square(double value) {
  return value * value;
}

// Whether two one-pixel outlines may share pixels. Concentric rings of different radii never do,
// so redrawing one never obliges the other to redraw.
bool OutlinesMayMeet(const PixelEllipse& a, const PixelEllipse& b) {
  const double distance = std::hypot(a.cx - b.cx, a.cy - b.cy);
  const double inner1 = std::min(a.rx, a.ry) - 2;
  const double outer1 = std::max(a.rx, a.ry) + 2;
  const double inner2 = std::min(b.rx, b.ry) - 2;
  const double outer2 = std::max(b.rx, b.ry) + 2;
  return distance <= outer1 + outer2 && distance >= std::max(inner1 - outer2, inner2 - outer1);
}

// Whether the rectangle of pixels may hold pixels of the ellipse's one-pixel outline.
bool TouchesOutline(const PixelEllipse& e, const PixelRect& rect) {
  const double left = rect.left;
  const double right = rect.Right() + 1.0;
  const double top = rect.top;
  const double bottom = rect.Bottom() + 1.0;
  const double nearX = std::clamp(e.cx, left, right) - e.cx;
  const double nearY = std::clamp(e.cy, top, bottom) - e.cy;
  if (Square(nearX / (e.rx + 1)) + Square(nearY / (e.ry + 1)) > 1) {
    return false;
  }
  if (e.rx <= 2 || e.ry <= 2) {
    return true;
  }
  const double farX = std::max(std::abs(left - e.cx), std::abs(right - e.cx));
  const double farY = std::max(std::abs(top - e.cy), std::abs(bottom - e.cy));
  return Square(farX / (e.rx - 2)) + Square(farY / (e.ry - 2)) >= 1;
}

}  // namespace

StandingShape* StandingShapes::Find(const StandingShape& drawn) {
  const auto found =
      std::find_if(shapes_.begin(), shapes_.end(),
                   [&drawn](const StandingShape& shape) { return shape.SameCall(drawn); });
  if (found == shapes_.end()) {
    return nullptr;
  }
  found->redrawn = true;
  std::rotate(found, found + 1, shapes_.end());
  return &shapes_.back();
}

StandingShape& StandingShapes::Remember(const StandingShape& drawn) {
  const auto discs = std::count_if(shapes_.begin(), shapes_.end(),
                                   [](const StandingShape& shape) { return shape.filled; });
  auto gone = shapes_.end();
  if (drawn.filled && static_cast<std::size_t>(discs) >= kMaxDiscs) {
    // A disc that stays, like the Sun, is found again frame after frame; the moving ones never
    // are. The moving disc drawn last goes, else the disc that stood longest unused.
    gone = std::find_if(shapes_.rbegin(), shapes_.rend(), [](const StandingShape& shape) {
             return shape.filled && !shape.redrawn;
           }).base();
    gone = gone != shapes_.begin()
               ? std::prev(gone)
               : std::find_if(shapes_.begin(), shapes_.end(),
                              [](const StandingShape& shape) { return shape.filled; });
  } else if (shapes_.size() >= kMaxShapes) {
    gone = shapes_.begin();
  }
  // The shape forgotten lends its damage buffer, so moving discs allocate nothing.
  std::vector<PixelRect> damage;
  if (gone != shapes_.end()) {
    damage = std::move(gone->damage);
    shapes_.erase(gone);
  }
  shapes_.push_back(drawn);
  LendDamageBuffer(damage, shapes_.back().damage, kMaxDamageRects);
  return shapes_.back();
}

const std::vector<PixelRect>& StandingShapes::TakeDamage(StandingShape& shape) {
  HandOverDamage(shape.damage, taken_, kMaxDamageRects);
  return taken_;
}

void StandingShapes::MarkDamaged(const PixelRect& rect, const StandingShape* source) {
  if (rect.IsEmpty()) {
    return;
  }
  for (StandingShape& shape : shapes_) {
    if (&shape == source || !shape.bounds.Intersects(rect)) {
      continue;
    }
    // A ring only changes its own outline's pixels, and only those of another ring matter.
    if (source != nullptr && !source->filled && !shape.filled &&
        !OutlinesMayMeet(shape.shape, source->shape)) {
      continue;
    }
    const PixelRect part = PixelRect::Intersected(rect, shape.bounds);
    if (!shape.filled && !TouchesOutline(shape.shape, part)) {
      continue;
    }
    AddDamage(shape.damage, part, kMaxDamageRects);
  }
}

}  // namespace quorvane
