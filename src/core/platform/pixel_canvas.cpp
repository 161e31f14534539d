#include "core/platform/pixel_canvas.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// Rings remembered for cheap redraws; a frame redraws at most nine, the rest are leftovers of
// the load step.
constexpr std::size_t kMaxRings = 24;
// Beyond this many rectangles a ring's damage is kept as their bounding rectangle.
constexpr std::size_t kMaxDamageRects = 32;
// Texts kept rendered: the overlay's three lines and the ten names, with room to spare.
constexpr std::size_t kMaxTexts = 64;
constexpr std::size_t kMaxColours = 256;
// Glyph pixels covered at least this much are ink; the rest stays background.
constexpr std::uint8_t kInkCoverage = 128;
// The byte beyond 0x00BBGGRR carries no colour.
constexpr Color kColourBits = 0xFFFFFF;

double Square(double value) {
  return value * value;
}

int Red(Color color) {
  return static_cast<int>(color & 0xFF);
}
int Green(Color color) {
  return static_cast<int>((color >> 8) & 0xFF);
}
int Blue(Color color) {
  return static_cast<int>((color >> 16) & 0xFF);
}

// `value`, a whole number of any size (infinities included), clamped into [low, high].
int ClampToInt(double value, int low, int high) {
  if (!(value > low)) {
    return low;
  }
  if (!(value < high)) {
    return high;
  }
  return static_cast<int>(value);
}

// The columns whose pixel centres lie inside the ellipse on row `row`; empty when first > last.
struct Span {
  double first = 1;
  double last = 0;
  bool Empty() const { return first > last; }
};

Span RowSpan(double cx, double cy, double rx, double ry, int row) {
  if (rx <= 0 || ry <= 0) {
    return {};
  }
  const double t = (row + 0.5 - cy) / ry;
  if (t * t > 1) {
    return {};
  }
  const double halfWidth = rx * std::sqrt(1 - t * t);
  return {std::ceil(cx - halfWidth - 0.5), std::floor(cx + halfWidth - 0.5)};
}

void FillSpan(std::uint8_t* line, double first, double last, const PixelRect& clip,
              std::uint8_t color) {
  const int from = ClampToInt(first, clip.left, clip.Right() + 1);
  const int to = ClampToInt(last, clip.left - 1, clip.Right());
  if (from <= to) {
    std::fill(line + from, line + to + 1, color);
  }
}

// Whether two one-pixel outlines may share pixels. Concentric rings of different radii never do,
// so redrawing one never obliges the other to redraw.
bool OutlinesMayMeet(double cx1, double cy1, double rx1, double ry1, double cx2, double cy2,
                     double rx2, double ry2) {
  const double distance = std::hypot(cx1 - cx2, cy1 - cy2);
  const double inner1 = std::min(rx1, ry1) - 2;
  const double outer1 = std::max(rx1, ry1) + 2;
  const double inner2 = std::min(rx2, ry2) - 2;
  const double outer2 = std::max(rx2, ry2) + 2;
  return distance <= outer1 + outer2 && distance >= std::max(inner1 - outer2, inner2 - outer1);
}

// Whether the rectangle of pixels may hold pixels of the ellipse's one-pixel outline.
bool TouchesOutline(double cx, double cy, double rx, double ry, const PixelRect& rect) {
  const double left = rect.left;
  const double right = rect.Right() + 1.0;
  const double top = rect.top;
  const double bottom = rect.Bottom() + 1.0;
  const double nearX = std::clamp(cx, left, right) - cx;
  const double nearY = std::clamp(cy, top, bottom) - cy;
  if (Square(nearX / (rx + 1)) + Square(nearY / (ry + 1)) > 1) {
    return false;
  }
  if (rx <= 2 || ry <= 2) {
    return true;
  }
  const double farX = std::max(std::abs(left - cx), std::abs(right - cx));
  const double farY = std::max(std::abs(top - cy), std::abs(bottom - cy));
  return Square(farX / (rx - 2)) + Square(farY / (ry - 2)) >= 1;
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height, float twipsPerPixelX, float twipsPerPixelY,
                         Color background, std::unique_ptr<GlyphSource> glyphs)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0),
      palette_{background & kColourBits},
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY),
      glyphs_(std::move(glyphs)) {
  MarkDirty(Rect(), nullptr);
}

Color PixelCanvas::PixelColor(int x, int y) const {
  return palette_[pixels_[static_cast<std::size_t>(y) * width_ + x]];
}

std::uint8_t PixelCanvas::ColourIndex(Color color) {
  color &= kColourBits;
  const auto found = std::find(palette_.begin(), palette_.end(), color);
  if (found != palette_.end()) {
    return static_cast<std::uint8_t>(found - palette_.begin());
  }
  if (palette_.size() < kMaxColours) {
    palette_.push_back(color);
    return static_cast<std::uint8_t>(palette_.size() - 1);
  }
  const auto distance = [color](Color other) {
    return Square(Red(color) - Red(other)) + Square(Green(color) - Green(other)) +
           Square(Blue(color) - Blue(other));
  };
  const auto nearest =
      std::min_element(palette_.begin(), palette_.end(),
                       [&distance](Color a, Color b) { return distance(a) < distance(b); });
  return static_cast<std::uint8_t>(nearest - palette_.begin());
}

std::vector<PixelRect> PixelCanvas::TakeDirtyRegion() {
  // Two rectangles merge when their bounding rectangle adds little area: each rectangle costs the
  // window about as much as a few hundred pixels, and a region grows slowly with many of them.
  constexpr long long kMergeSlack = 1024;  // pixels
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < dirty_.size(); ++i) {
      for (std::size_t j = i + 1; j < dirty_.size();) {
        const PixelRect united = PixelRect::United(dirty_[i], dirty_[j]);
        if (united.Area() <= dirty_[i].Area() + dirty_[j].Area() + kMergeSlack) {
          dirty_[i] = united;
          dirty_[j] = dirty_.back();
          dirty_.pop_back();
          merged = true;
        } else {
          ++j;
        }
      }
    }
  }
  std::vector<PixelRect> taken;
  taken.swap(dirty_);
  return taken;
}

PixelCanvas::Ellipse PixelCanvas::ToPixels(float x, float y, float radius) const {
  // A twip position falls on the centre of the pixel it rounds to.
  return {static_cast<double>(x) / twipsPerPixelX_ + 0.5,
          static_cast<double>(y) / twipsPerPixelY_ + 0.5,
          static_cast<double>(radius) / twipsPerPixelX_,
          static_cast<double>(radius) / twipsPerPixelY_};
}

PixelRect PixelCanvas::Bounds(const Ellipse& ellipse) const {
  const int left = ClampToInt(std::floor(ellipse.cx - ellipse.rx) - 1, 0, width_);
  const int right = ClampToInt(std::ceil(ellipse.cx + ellipse.rx) + 1, -1, width_ - 1);
  const int top = ClampToInt(std::floor(ellipse.cy - ellipse.ry) - 1, 0, height_);
  const int bottom = ClampToInt(std::ceil(ellipse.cy + ellipse.ry) + 1, -1, height_ - 1);
  return PixelRect::FromCorners(left, top, right, bottom);
}

void PixelCanvas::Rasterise(const Ellipse& e, std::uint8_t outline, const std::uint8_t* fill,
                            const PixelRect& clip) {
  const int top = ClampToInt(std::ceil(e.cy - e.ry - 0.5), clip.top, clip.Bottom() + 1);
  const int bottom = ClampToInt(std::floor(e.cy + e.ry - 0.5), clip.top - 1, clip.Bottom());
  if (e.rx < 1 && e.ry < 1) {
    // A circle that holds no pixel centre still shows as the pixel under its centre.
    // Rows far off the canvas cannot change the outcome: the centre pixel is off it as well.
    bool coversCentre = false;
    for (int row = ClampToInt(std::ceil(e.cy - e.ry - 0.5), -2, height_ + 2);
         row <= ClampToInt(std::floor(e.cy + e.ry - 0.5), -3, height_ + 1); ++row) {
      coversCentre = coversCentre || !RowSpan(e.cx, e.cy, e.rx, e.ry, row).Empty();
    }
    if (!coversCentre) {
      const int x = ClampToInt(std::floor(e.cx), -1, width_);
      const int y = ClampToInt(std::floor(e.cy), -1, height_);
      if (clip.Contains(x, y)) {
        Row(y)[x] = outline;
      }
      return;
    }
  }
  for (int row = top; row <= bottom; ++row) {
    const Span outer = RowSpan(e.cx, e.cy, e.rx, e.ry, row);
    if (outer.Empty()) {
      continue;
    }
    // The outline is what lies inside the ellipse but not inside the one a pixel smaller.
    const Span inner = RowSpan(e.cx, e.cy, e.rx - 1, e.ry - 1, row);
    std::uint8_t* line = Row(row);
    if (inner.Empty()) {
      FillSpan(line, outer.first, outer.last, clip, outline);
      continue;
    }
    FillSpan(line, outer.first, inner.first - 1, clip, outline);
    FillSpan(line, inner.last + 1, outer.last, clip, outline);
    if (fill != nullptr) {
      FillSpan(line, inner.first, inner.last, clip, *fill);
    }
  }
}

void PixelCanvas::Circle(float x, float y, float radius, Color color) {
  if (!(radius > 0)) {
    return;
  }
  const Ellipse ellipse = ToPixels(x, y, radius);
  if (FillStyle() != kFillSolid) {
    DrawRing(x, y, radius, color, ellipse);
    return;
  }
  const std::uint8_t fill = ColourIndex(FillColor());
  Rasterise(ellipse, ColourIndex(color), &fill, Rect());
  MarkDirty(Bounds(ellipse), nullptr);
}

void PixelCanvas::DrawRing(float x, float y, float radius, Color color, const Ellipse& ellipse) {
  const std::uint8_t outline = ColourIndex(color);
  const auto same = [&](const Ring& ring) {
    return ring.x == x && ring.y == y && ring.radius == radius && ring.color == color;
  };
  auto found = std::find_if(rings_.begin(), rings_.end(), same);
  if (found == rings_.end()) {
    if (rings_.size() == kMaxRings) {
      rings_.erase(rings_.begin());
    }
    rings_.push_back({x, y, radius, color, ellipse, Bounds(ellipse), {}});
    Rasterise(ellipse, outline, nullptr, Rect());
    MarkDirty(rings_.back().bounds, &rings_.back());
    return;
  }
  // Everywhere else the ring's pixels are still as its last draw left them.
  std::rotate(found, found + 1, rings_.end());
  Ring& ring = rings_.back();
  std::vector<PixelRect> damage;
  damage.swap(ring.damage);
  for (const PixelRect& rect : damage) {
    Rasterise(ellipse, outline, nullptr, rect);
    MarkDirty(rect, &ring);
  }
}

void PixelCanvas::MarkDirty(const PixelRect& rect, const Ring* source) {
  if (rect.IsEmpty()) {
    return;
  }
  dirty_.push_back(rect);
  for (Ring& ring : rings_) {
    if (&ring == source || !ring.bounds.Intersects(rect)) {
      continue;
    }
    const Ellipse& shape = ring.shape;
    // A ring only changes its own outline's pixels.
    if (source != nullptr &&
        !OutlinesMayMeet(shape.cx, shape.cy, shape.rx, shape.ry, source->shape.cx, source->shape.cy,
                         source->shape.rx, source->shape.ry)) {
      continue;
    }
    const PixelRect part = PixelRect::Intersected(rect, ring.bounds);
    if (!TouchesOutline(shape.cx, shape.cy, shape.rx, shape.ry, part)) {
      continue;
    }
    if (ring.damage.size() == kMaxDamageRects) {
      PixelRect united = part;
      for (const PixelRect& earlier : ring.damage) {
        united = PixelRect::United(united, earlier);
      }
      ring.damage.assign(1, united);
    } else {
      ring.damage.push_back(part);
    }
  }
}

void PixelCanvas::Line(float x1, float y1, float x2, float y2, Color color) {
  const auto column = [&](float x, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5), low, high);
  };
  const auto row = [&](float y, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5), low, high);
  };
  // Both corners are part of the box.
  const PixelRect box = PixelRect::FromCorners(
      column(std::min(x1, x2), 0, width_), row(std::min(y1, y2), 0, height_),
      column(std::max(x1, x2), -1, width_ - 1), row(std::max(y1, y2), -1, height_ - 1));
  if (box.IsEmpty()) {
    return;
  }
  const std::uint8_t index = ColourIndex(color);
  for (int y = box.top; y <= box.Bottom(); ++y) {
    std::fill_n(Row(y) + box.left, box.width, index);
  }
  MarkDirty(box, nullptr);
}

const PixelCanvas::LaidOutText& PixelCanvas::LayOut(std::string_view text) {
  const auto found = texts_.find(std::string(text));
  if (found != texts_.end()) {
    return found->second;
  }
  if (texts_.size() == kMaxTexts) {
    texts_.clear();
  }
  const GlyphMask mask = glyphs_->Render(text);
  LaidOutText laidOut;
  laidOut.advance = mask.advance;
  // A mask shorter than its size claims is read only as far as it goes.
  const std::size_t columns = static_cast<std::size_t>(std::max(mask.width, 0));
  const std::size_t rows = columns == 0
                               ? 0
                               : std::min(static_cast<std::size_t>(std::max(mask.height, 0)),
                                          mask.coverage.size() / columns);
  for (std::size_t y = 0; y < rows; ++y) {
    const std::uint8_t* line = mask.coverage.data() + y * columns;
    for (std::size_t x = 0; x < columns; ++x) {
      if (line[x] < kInkCoverage) {
        continue;
      }
      const std::size_t first = x;
      while (x + 1 < columns && line[x + 1] >= kInkCoverage) {
        ++x;
      }
      laidOut.ink.push_back({mask.left + static_cast<int>(first), mask.top + static_cast<int>(y),
                             static_cast<int>(x - first + 1), 1});
      laidOut.bounds = PixelRect::United(laidOut.bounds, laidOut.ink.back());
    }
  }
  return texts_.emplace(std::string(text), std::move(laidOut)).first->second;
}

float PixelCanvas::TextWidth(std::string_view text) {
  return static_cast<float>(LayOut(text).advance) * twipsPerPixelX_;
}

float PixelCanvas::TextHeight(std::string_view) {
  return static_cast<float>(glyphs_->LineHeight()) * twipsPerPixelY_;
}

void PixelCanvas::DrawText(float x, float y, std::string_view text) {
  const LaidOutText& laidOut = LayOut(text);
  const double left = std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5);
  const double top = std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5);
  const int height = glyphs_->LineHeight();
  // Far-off text is skipped before its position is turned into an int, and so is text at a
  // position that is no number, which no int can hold.
  if (!(left < width_ && top < height_ && left + laidOut.advance + height >= 0 &&
        top + 2 * height >= 0)) {
    return;
  }
  const int originX = static_cast<int>(left);
  const int originY = static_cast<int>(top);
  const std::uint8_t index = ColourIndex(ForeColor());
  for (const PixelRect& run : laidOut.ink) {
    const int row = originY + run.top;
    if (row >= 0 && row < height_) {
      FillSpan(Row(row), originX + run.left, originX + run.Right(), Rect(), index);
    }
  }
  MarkDirty(PixelRect::Intersected(laidOut.bounds.Translated(originX, originY), Rect()), nullptr);
}

void PixelCanvas::Clear() {
  std::fill(pixels_.begin(), pixels_.end(), 0);
  rings_.clear();
  dirty_.clear();
  MarkDirty(Rect(), nullptr);
}

}  // namespace quorvane
