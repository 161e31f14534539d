#include "core/platform/pixel_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace quorvane {

namespace {

// Rings remembered for cheap redraws; a frame redraws at most nine, the rest are leftovers of
// the load step.
constexpr std::size_t kMaxRings = 24;
// Of which discs: redrawn in place only when they stand still, which planets never do.
constexpr std::size_t kMaxDiscs = 2;
// Discs smaller than this are redrawn whole: cheaper than tracking them.
constexpr long long kRememberedDiscArea = 64 * 64;  // pixels of the bounds
// Beyond this many rectangles a ring's damage is kept as their bounding rectangle.
constexpr std::size_t kMaxDamageRects = 32;
// Texts kept rendered: the overlay's three lines and the ten names, with room to spare.
constexpr std::size_t kMaxTexts = 64;
constexpr std::size_t kMaxColours = 256;
// Unchanged pixels between two changed ones on a row that are sent rather than split around.
constexpr int kRowGap = 2;
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

// The first column in [from, to] whose byte is not `value`; to + 1 when there is none. Compares
// eight bytes at a time.
int FirstDiffering(const std::uint8_t* line, int from, int to, std::uint8_t value) {
  const std::uint64_t pattern = 0x0101010101010101ULL * value;
  int x = from;
  for (std::uint64_t word = 0; x + 7 <= to; x += 8) {
    std::memcpy(&word, line + x, sizeof word);
    if (word != pattern) {
      break;
    }
  }
  while (x <= to && line[x] == value) {
    ++x;
  }
  return x;
}

// The last column in [from, to] whose byte is not `value`; from - 1 when there is none.
int LastDiffering(const std::uint8_t* line, int from, int to, std::uint8_t value) {
  const std::uint64_t pattern = 0x0101010101010101ULL * value;
  int x = to;
  for (std::uint64_t word = 0; x - 7 >= from; x -= 8) {
    std::memcpy(&word, line + x - 7, sizeof word);
    if (word != pattern) {
      break;
    }
  }
  while (x >= from && line[x] == value) {
    --x;
  }
  return x;
}

// Stacks one-row runs (sorted by row, then column) into rectangles, extending a rectangle that
// ends on the row above while that sends little beyond the changed pixels: each rectangle costs
// the window about as much as a few dozen pixels.
std::vector<PixelRect> Gather(const std::vector<PixelRect>& runs) {
  constexpr long long kSlack = 4;  // pixels
  struct Growing {
    PixelRect rect;
    long long changed = 0;
  };
  std::vector<PixelRect> done;
  std::vector<Growing> open;
  for (const PixelRect& run : runs) {
    for (std::size_t i = 0; i < open.size();) {
      if (open[i].rect.Bottom() < run.top - 1) {
        done.push_back(open[i].rect);
        open[i] = open.back();
        open.pop_back();
      } else {
        ++i;
      }
    }
    const auto fits = [&run](const Growing& growing) {
      if (growing.rect.Bottom() != run.top - 1) {
        return false;
      }
      const long long area = PixelRect::United(growing.rect, run).Area();
      return 4 * area <= 5 * (growing.changed + run.Area()) + 4 * kSlack;
    };
    const auto found = std::find_if(open.begin(), open.end(), fits);
    if (found == open.end()) {
      open.push_back({run, run.Area()});
    } else {
      found->rect = PixelRect::United(found->rect, run);
      found->changed += run.Area();
    }
  }
  for (const Growing& growing : open) {
    done.push_back(growing.rect);
  }
  return done;
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
      glyphs_(std::move(glyphs)),
      seen_(static_cast<std::size_t>(width_), 0),
      original_(static_cast<std::size_t>(width_), 0) {}

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
  std::vector<PixelRect> runs;
  if (everything_) {
    everything_ = false;
    if (!Rect().IsEmpty()) {
      runs.push_back(Rect());
    }
  } else {
    // Row by row, each row's changes in drawing order: the first change of a pixel holds what it
    // showed when last taken.
    std::vector<std::size_t> order(changes_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
      return changes_[a].row < changes_[b].row;
    });
    for (std::size_t first = 0; first < order.size();) {
      std::size_t last = first;
      while (last < order.size() && changes_[order[last]].row == changes_[order[first]].row) {
        ++last;
      }
      DiffRow(changes_[order[first]].row, order.data() + first, last - first, runs);
      first = last;
    }
    runs = Gather(runs);
  }
  changes_.clear();
  before_.clear();
  return runs;
}

void PixelCanvas::DiffRow(int row, const std::size_t* spans, std::size_t count,
                          std::vector<PixelRect>& out) {
  int low = width_;
  int high = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const Change& change = changes_[spans[i]];
    for (int x = change.left; x <= change.right; ++x) {
      if (seen_[x] == 0) {
        seen_[x] = 1;
        original_[x] = before_[change.offset + static_cast<std::size_t>(x - change.left)];
      }
    }
    low = std::min(low, change.left);
    high = std::max(high, change.right);
  }
  const std::uint8_t* line = Row(row);
  int runLeft = 0;
  int runRight = -1;
  for (int x = low; x <= high; ++x) {
    if (seen_[x] == 0 || original_[x] == line[x]) {
      continue;
    }
    if (runRight >= runLeft && x - runRight - 1 > kRowGap) {
      out.push_back({runLeft, row, runRight - runLeft + 1, 1});
      runLeft = x;
    } else if (runRight < runLeft) {
      runLeft = x;
    }
    runRight = x;
  }
  if (runRight >= runLeft) {
    out.push_back({runLeft, row, runRight - runLeft + 1, 1});
  }
  if (high >= low) {
    std::fill(seen_.begin() + low, seen_.begin() + high + 1, 0);
  }
}

void PixelCanvas::FillSpan(int row, double first, double last, const PixelRect& clip,
                           std::uint8_t index, PixelRect& changed) {
  const int from = ClampToInt(first, clip.left, clip.Right() + 1);
  const int to = ClampToInt(last, clip.left - 1, clip.Right());
  std::uint8_t* line = Row(row);
  if (from > to) {
    return;
  }
  // Redrawing what is there is the common case (the Sun every frame): a span equal to its shifted
  // self holds one value throughout, which the library compares fastest.
  if (line[from] == index &&
      std::memcmp(line + from, line + from + 1, static_cast<std::size_t>(to - from)) == 0) {
    return;
  }
  const int left = FirstDiffering(line, from, to, index);
  if (left > to) {
    return;
  }
  const int right = LastDiffering(line, left, to, index);
  if (!everything_) {
    changes_.push_back({row, left, right, before_.size()});
    before_.insert(before_.end(), line + left, line + right + 1);
    // A log as large as a quarter of the canvas is not worth comparing: all of it is sent.
    if (before_.size() > pixels_.size() / 4) {
      everything_ = true;
      changes_.clear();
      before_.clear();
    }
  }
  std::fill(line + left, line + right + 1, index);
  changed = PixelRect::United(changed, {left, row, right - left + 1, 1});
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

PixelRect PixelCanvas::Rasterise(const Ellipse& e, std::uint8_t outline, const std::uint8_t* fill,
                                 const PixelRect& clip) {
  PixelRect changed;
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
        FillSpan(y, x, x, clip, outline, changed);
      }
      return changed;
    }
  }
  for (int row = top; row <= bottom; ++row) {
    const Span outer = RowSpan(e.cx, e.cy, e.rx, e.ry, row);
    if (outer.Empty()) {
      continue;
    }
    // The outline is what lies inside the ellipse but not inside the one a pixel smaller.
    const Span inner = RowSpan(e.cx, e.cy, e.rx - 1, e.ry - 1, row);
    if (inner.Empty()) {
      FillSpan(row, outer.first, outer.last, clip, outline, changed);
      continue;
    }
    FillSpan(row, outer.first, inner.first - 1, clip, outline, changed);
    FillSpan(row, inner.last + 1, outer.last, clip, outline, changed);
    if (fill != nullptr) {
      FillSpan(row, inner.first, inner.last, clip, *fill, changed);
    }
  }
  return changed;
}

void PixelCanvas::Circle(float x, float y, float radius, Color color) {
  if (!(radius > 0)) {
    return;
  }
  const Ellipse ellipse = ToPixels(x, y, radius);
  const bool filled = FillStyle() == kFillSolid;
  const Ring drawn{x, y, radius, color, filled, filled ? FillColor() : 0, ellipse, Bounds(ellipse),
                   {}};
  if (filled && drawn.bounds.Area() < kRememberedDiscArea) {
    const std::uint8_t fill = ColourIndex(FillColor());
    MarkDamaged(Rasterise(ellipse, ColourIndex(color), &fill, Rect()), nullptr);
    return;
  }
  DrawRing(drawn);
}

void PixelCanvas::DrawRing(const Ring& drawn) {
  const std::uint8_t outline = ColourIndex(drawn.color);
  const std::uint8_t fill = drawn.filled ? ColourIndex(drawn.fillColor) : 0;
  const std::uint8_t* interior = drawn.filled ? &fill : nullptr;
  const auto same = [&drawn](const Ring& ring) {
    return ring.x == drawn.x && ring.y == drawn.y && ring.radius == drawn.radius &&
           ring.color == drawn.color && ring.filled == drawn.filled &&
           ring.fillColor == drawn.fillColor;
  };
  auto found = std::find_if(rings_.begin(), rings_.end(), same);
  if (found == rings_.end()) {
    const auto discs =
        std::count_if(rings_.begin(), rings_.end(), [](const Ring& ring) { return ring.filled; });
    if (drawn.filled && static_cast<std::size_t>(discs) >= kMaxDiscs) {
      // The disc drawn last goes: a disc that stays, like the Sun, is drawn before the moving
      // ones in every frame.
      const auto last = std::find_if(rings_.rbegin(), rings_.rend(),
                                     [](const Ring& ring) { return ring.filled; });
      rings_.erase(std::next(last).base());
    } else if (rings_.size() >= kMaxRings) {
      rings_.erase(rings_.begin());
    }
    rings_.push_back(drawn);
    MarkDamaged(Rasterise(drawn.shape, outline, interior, Rect()), &rings_.back());
    return;
  }
  // Everywhere else the shape's pixels are still as its last draw left them.
  std::rotate(found, found + 1, rings_.end());
  Ring& ring = rings_.back();
  std::vector<PixelRect> damage;
  damage.swap(ring.damage);
  for (const PixelRect& rect : damage) {
    MarkDamaged(Rasterise(ring.shape, outline, interior, rect), &ring);
  }
}

void PixelCanvas::MarkDamaged(const PixelRect& rect, const Ring* source) {
  if (rect.IsEmpty()) {
    return;
  }
  for (Ring& ring : rings_) {
    if (&ring == source || !ring.bounds.Intersects(rect)) {
      continue;
    }
    const Ellipse& shape = ring.shape;
    // A ring only changes its own outline's pixels, and only those of another ring matter.
    if (source != nullptr && !source->filled && !ring.filled &&
        !OutlinesMayMeet(shape.cx, shape.cy, shape.rx, shape.ry, source->shape.cx, source->shape.cy,
                         source->shape.rx, source->shape.ry)) {
      continue;
    }
    const PixelRect part = PixelRect::Intersected(rect, ring.bounds);
    if (!ring.filled && !TouchesOutline(shape.cx, shape.cy, shape.rx, shape.ry, part)) {
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
  PixelRect changed;
  for (int y = box.top; y <= box.Bottom(); ++y) {
    FillSpan(y, box.left, box.Right(), box, index, changed);
  }
  MarkDamaged(changed, nullptr);
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
  PixelRect changed;
  for (const PixelRect& run : laidOut.ink) {
    const int row = originY + run.top;
    if (row >= 0 && row < height_) {
      FillSpan(row, originX + run.left, originX + run.Right(), Rect(), index, changed);
    }
  }
  MarkDamaged(changed, nullptr);
}

void PixelCanvas::Clear() {
  std::fill(pixels_.begin(), pixels_.end(), 0);
  rings_.clear();
  changes_.clear();
  before_.clear();
  everything_ = true;
}

}  // namespace quorvane
