#include "core/platform/raster/span_raster.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

// Glyph pixels covered at least this much are ink; the rest stays background.
constexpr std::uint8_t kInkCoverage = 128;

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

}  // namespace

int ClampToInt(double value, int low, int high) {
  if (!(value > low)) {
    return low;
  }
  if (!(value < high)) {
    return high;
  }
  return static_cast<int>(value);
}

ColumnSpan EllipseRowSpan(const PixelEllipse& e, int row) {
  if (e.rx <= 0 || e.ry <= 0) {
    return {};
  }
  const double t = (row + 0.5 - e.cy) / e.ry;
  if (t * t > 1) {
    return {};
  }
  const double halfWidth = e.rx * std::sqrt(1 - t * t);
  return {std::ceil(e.cx - halfWidth - 0.5), std::floor(e.cx + halfWidth - 0.5)};
}

PixelRect EllipseBounds(const PixelEllipse& e, const PixelRect& canvas) {
  const int left = ClampToInt(std::floor(e.cx - e.rx) - 1, canvas.left, canvas.Right() + 1);
  const int right = ClampToInt(std::ceil(e.cx + e.rx) + 1, canvas.left - 1, canvas.Right());
  const int top = ClampToInt(std::floor(e.cy - e.ry) - 1, canvas.top, canvas.Bottom() + 1);
  const int bottom = ClampToInt(std::ceil(e.cy + e.ry) + 1, canvas.top - 1, canvas.Bottom());
  return PixelRect::FromCorners(left, top, right, bottom);
}

bool raster_detail::HoldsNoCentre(const PixelEllipse& e, const PixelRect& canvas) {
  // Rows far off the canvas cannot change the outcome: the centre pixel is off it as well.
  const int first = ClampToInt(std::ceil(e.cy - e.ry - 0.5), canvas.top - 2, canvas.Bottom() + 3);
  const int last = ClampToInt(std::floor(e.cy + e.ry - 0.5), canvas.top - 3, canvas.Bottom() + 2);
  for (int row = first; row <= last; ++row) {
    if (!EllipseRowSpan(e, row).Empty()) {
      return false;
    }
  }
  return true;
}

RowRun raster_detail::DifferingLongRun(const std::uint8_t* line, int from, int to,
                                       std::uint8_t value) {
  // Redrawing what is there is the common case (the Sun every frame): a span equal to its shifted
  // self holds one value throughout, which the library compares fastest.
  if (line[from] == value &&
      std::memcmp(line + from, line + from + 1, static_cast<std::size_t>(to - from)) == 0) {
    return {};
  }
  const int left = FirstDiffering(line, from, to, value);
  if (left > to) {
    return {};
  }
  return {left, LastDiffering(line, left, to, value)};
}

InkMask MaskInk(const GlyphMask& mask) {
  const int columns = std::max(mask.width, 0);
  const int rows =
      columns == 0
          ? 0
          : static_cast<int>(std::min(static_cast<std::size_t>(std::max(mask.height, 0)),
                                      mask.coverage.size() / static_cast<std::size_t>(columns)));
  const auto isInk = [&](int x, int y) {
    return mask.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) +
                         static_cast<std::size_t>(x)] >= kInkCoverage;
  };
  int left = columns;
  int right = -1;
  int top = rows;
  int bottom = -1;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      if (isInk(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = y;
      }
    }
  }
  InkMask ink;
  if (right < 0) {
    return ink;
  }
  ink.bounds = {mask.left + left, mask.top + top, right - left + 1, bottom - top + 1};
  ink.bytes.resize(static_cast<std::size_t>(ink.bounds.width) *
                   static_cast<std::size_t>(ink.bounds.height));
  ink.rows.resize(static_cast<std::size_t>(ink.bounds.height));
  for (int y = top; y <= bottom; ++y) {
    RowRun& row = ink.rows[static_cast<std::size_t>(y - top)];
    std::uint8_t* bytes = ink.bytes.data() + static_cast<std::size_t>(y - top) *
                                                 static_cast<std::size_t>(ink.bounds.width);
    for (int x = left; x <= right; ++x) {
      if (isInk(x, y)) {
        bytes[x - left] = 0xFF;
        row.left = row.Empty() ? x - left : row.left;
        row.right = x - left;
      }
    }
  }
  return ink;
}

}  // namespace quorvane
