// The rasteriser: pure functions that turn circles, boxes and glyph masks into one-row spans of
// pixels and write spans into a row of palette indices. No state; the canvas decides where the
// spans go and what is remembered of them.
//
// Pixel (i, j) spans [i, i+1) x [j, j+1); a pixel belongs to a shape when its centre lies inside.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/platform/glyph_source.h"
#include "core/platform/pixel_rect.h"

namespace quorvane {

// An axis-aligned ellipse in pixel coordinates.
struct PixelEllipse {
  double cx = 0;
  double cy = 0;
  double rx = 0;
  double ry = 0;
};

// The columns whose pixel centres lie inside a shape on one row; empty when first > last.
struct ColumnSpan {
  double first = 1;
  double last = 0;
  bool Empty() const { return first > last; }
};

// The changed stretch of a row; empty when left > right.
struct RowRun {
  int left = 0;
  int right = -1;
  bool Empty() const { return left > right; }
};

// `value`, a whole number of any size (infinities included), clamped into [low, high]; a value
// that is no number clamps to `low`.
int ClampToInt(double value, int low, int high);

ColumnSpan EllipseRowSpan(const PixelEllipse& ellipse, int row);

// The pixels the ellipse may touch with a pixel to spare on each side, within `canvas`.
PixelRect EllipseBounds(const PixelEllipse& ellipse, const PixelRect& canvas);

// Calls visit(row, from, to, interior) for each span of the ellipse inside `clip`: the one-pixel
// outline (what lies inside it but not inside the ellipse a pixel smaller), and the interior when
// `fill`. An ellipse that holds no pixel centre still yields the pixel under its centre, so a
// circle of any size shows. At most one pass over the clipped rows, whatever the radius.
template <typename Visit>
void ForEachEllipseSpan(const PixelEllipse& e, bool fill, const PixelRect& clip,
                        const PixelRect& canvas, Visit&& visit);

// The stretch of line[from..to] from the first to the last byte that is not `value`; empty when
// all are. What setting the span to `value` would change.
inline RowRun DifferingRun(const std::uint8_t* line, int from, int to, std::uint8_t value);

// A text's ink: the glyph mask's pixels covered at least half, as a byte mask the size of their
// bounds (0xFF ink, 0 none), so that a row is compared and painted without a branch a pixel.
struct InkMask {
  PixelRect bounds;                 // relative to the text's top-left corner
  std::vector<std::uint8_t> bytes;  // bounds.width a row
  std::vector<RowRun> rows;         // each row's first and last ink column, relative to bounds
  const std::uint8_t* Row(int y) const {
    return bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bounds.width);
  }
};

// The ink of `mask`. A mask shorter than its size claims is read only as far as it goes.
InkMask MaskInk(const GlyphMask& mask);

// The first and last of `count` pixels of `line` that `ink` covers and that are not `colour`,
// counted from 0; empty when there are none. What painting the ink would change.
inline RowRun DifferingInk(const std::uint8_t* line, const std::uint8_t* ink, int count,
                           std::uint8_t colour);

// Sets the `count` pixels of `line` that `ink` covers to `colour`.
inline void PaintInk(std::uint8_t* line, const std::uint8_t* ink, int count, std::uint8_t colour);

// ---------------------------------------------------------------------------------------------

namespace raster_detail {

// The clipped whole columns of a span; empty when from > to.
inline RowRun ClipSpan(double first, double last, const PixelRect& clip) {
  return {ClampToInt(first, clip.left, clip.Right() + 1),
          ClampToInt(last, clip.left - 1, clip.Right())};
}

// Whether an ellipse too small to hold a pixel centre holds none near the canvas.
bool HoldsNoCentre(const PixelEllipse& e, const PixelRect& canvas);

// DifferingRun for spans longer than kShortSpan pixels.
RowRun DifferingLongRun(const std::uint8_t* line, int from, int to, std::uint8_t value);

// Spans up to this many pixels, such as a ring's outline on most rows and a small disc's, are
// compared a byte at a time in place: the library's comparisons and eight-byte scans pay off only
// on longer ones.
inline constexpr int kShortSpan = 16;

}  // namespace raster_detail

inline RowRun DifferingRun(const std::uint8_t* line, int from, int to, std::uint8_t value) {
  if (to - from >= raster_detail::kShortSpan) {
    return raster_detail::DifferingLongRun(line, from, to, value);
  }
  int left = from;
  while (left <= to && line[left] == value) {
    ++left;
  }
  if (left > to) {
    return {};
  }
  int right = to;
  while (line[right] == value) {
    --right;
  }
  return {left, right};
}

inline RowRun DifferingInk(const std::uint8_t* line, const std::uint8_t* ink, int count,
                           std::uint8_t colour) {
  // One pass with no branch inside answers the common question, whether anything differs.
  std::uint8_t differing = 0;
  for (int x = 0; x < count; ++x) {
    differing |= static_cast<std::uint8_t>(ink[x] & (line[x] ^ colour));
  }
  if (differing == 0) {
    return {};
  }
  int left = 0;
  while ((ink[left] & (line[left] ^ colour)) == 0) {
    ++left;
  }
  int right = count - 1;
  while ((ink[right] & (line[right] ^ colour)) == 0) {
    --right;
  }
  return {left, right};
}

inline void PaintInk(std::uint8_t* line, const std::uint8_t* ink, int count, std::uint8_t colour) {
  for (int x = 0; x < count; ++x) {
    line[x] = static_cast<std::uint8_t>((line[x] & ~ink[x]) | (colour & ink[x]));
  }
}

template <typename Visit>
void ForEachEllipseSpan(const PixelEllipse& e, bool fill, const PixelRect& clip,
                        const PixelRect& canvas, Visit&& visit) {
  using raster_detail::ClipSpan;
  const auto clipped = [&](int row, double first, double last, bool interior) {
    const RowRun run = ClipSpan(first, last, clip);
    if (!run.Empty()) {
      visit(row, run.left, run.right, interior);
    }
  };
  if (e.rx < 1 && e.ry < 1 && raster_detail::HoldsNoCentre(e, canvas)) {
    const int x = ClampToInt(std::floor(e.cx), -1, canvas.Right() + 1);
    const int y = ClampToInt(std::floor(e.cy), -1, canvas.Bottom() + 1);
    if (clip.Contains(x, y)) {
      clipped(y, x, x, false);
    }
    return;
  }
  const int top = ClampToInt(std::ceil(e.cy - e.ry - 0.5), clip.top, clip.Bottom() + 1);
  const int bottom = ClampToInt(std::floor(e.cy + e.ry - 0.5), clip.top - 1, clip.Bottom());
  for (int row = top; row <= bottom; ++row) {
    const ColumnSpan outer = EllipseRowSpan(e, row);
    if (outer.Empty()) {
      continue;
    }
    const ColumnSpan inner = EllipseRowSpan({e.cx, e.cy, e.rx - 1, e.ry - 1}, row);
    if (inner.Empty()) {
      clipped(row, outer.first, outer.last, false);
      continue;
    }
    clipped(row, outer.first, inner.first - 1, false);
    clipped(row, inner.last + 1, outer.last, false);
    if (fill) {
      clipped(row, inner.first, inner.last, true);
    }
  }
}

}  // namespace quorvane
