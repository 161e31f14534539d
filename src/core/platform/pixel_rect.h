// A rectangle of whole pixels, the unit in which the pixel canvas reports what it changed and in
// which glyph ink is kept. Empty when it has no width or no height.
#pragma once

#include <algorithm>

namespace quorvane {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  // The last column and row inside; left - 1 and top - 1 when empty.
  int Right() const { return left + width - 1; }
  int Bottom() const { return top + height - 1; }
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  long long Area() const { return IsEmpty() ? 0 : static_cast<long long>(width) * height; }
  bool Contains(int x, int y) const {
    return x >= left && x <= Right() && y >= top && y <= Bottom();
  }
  // Asked for every remembered shape and text at each drawing: plain comparisons, no rectangle.
  bool Intersects(const PixelRect& other) const {
    return !IsEmpty() && !other.IsEmpty() && left <= other.Right() && other.left <= Right() &&
           top <= other.Bottom() && other.top <= Bottom();
  }
  PixelRect Translated(int dx, int dy) const { return {left + dx, top + dy, width, height}; }

  // The rectangle from corner to corner, both included.
  static PixelRect FromCorners(int left, int top, int right, int bottom) {
    return {left, top, right - left + 1, bottom - top + 1};
  }
  // The pixels in both; empty when they share none.
  static PixelRect Intersected(const PixelRect& a, const PixelRect& b) {
    if (a.IsEmpty() || b.IsEmpty()) {
      return {};
    }
    const PixelRect both =
        FromCorners(std::max(a.left, b.left), std::max(a.top, b.top),
                    std::min(a.Right(), b.Right()), std::min(a.Bottom(), b.Bottom()));
    return both.IsEmpty() ? PixelRect{} : both;
  }
  // The smallest rectangle holding both; an empty one adds nothing.
  static PixelRect United(const PixelRect& a, const PixelRect& b) {
    if (a.IsEmpty()) {
      return b;
    }
    if (b.IsEmpty()) {
      return a;
    }
    return FromCorners(std::min(a.left, b.left), std::min(a.top, b.top),
                       std::max(a.Right(), b.Right()), std::max(a.Bottom(), b.Bottom()));
  }

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

}  // namespace quorvane
