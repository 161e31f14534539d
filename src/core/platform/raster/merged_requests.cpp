#include "core/platform/raster/merged_requests.h"

#include <algorithm>

namespace quorvane {

namespace {

// Rectangles kept just before the one being placed that it may join: those near it were mostly
// found on the same rows, and so close to it in the list.
constexpr std::size_t kLookBack = 4;

// Joins each rectangle into the one kept before it that it adds fewest pixels to, if fewer than
// `allowed`, or keeps it.
void MergePass(std::vector<PixelRect>& rects, long long allowed, long long mostPixels,
               long long& total) {
  std::size_t kept = 0;
  for (const PixelRect rect : rects) {
    const long long area = rect.Area();
    const int right = rect.left + rect.width;
    const int bottom = rect.top + rect.height;
    std::size_t best = kept;
    long long bestExtra = allowed;
    for (std::size_t j = kept > kLookBack ? kept - kLookBack : 0; j < kept; ++j) {
      // The rectangles here are never empty: plain arithmetic, as this loop is most of the cost.
      const PixelRect& other = rects[j];
      const long long width =
          std::max(right, other.left + other.width) - std::min(rect.left, other.left);
      const long long height =
          std::max(bottom, other.top + other.height) - std::min(rect.top, other.top);
      const long long extra =
          width * height - static_cast<long long>(other.width) * other.height - area;
      if (extra < bestExtra && (extra <= 0 || total + extra <= mostPixels)) {
        best = j;
        bestExtra = extra;
      }
    }
    if (best == kept) {
      rects[kept++] = rect;
    } else {
      rects[best] = PixelRect::United(rects[best], rect);
      total += bestExtra;
    }
  }
  rects.resize(kept);
}

}  // namespace

void MergeRequests(std::vector<PixelRect>& rects, long long requestPixels, long long mostPixels) {
  long long total = 0;
  for (const PixelRect& rect : rects) {
    total += rect.Area();
  }
  // The cheapest joins first, so the pixels allowed go where they save the most requests: each
  // pass allows four times the pixels of the one before. A joined rectangle may also reach
  // others that it could not before. Once the pixels allowed are spent, only overlaps could join.
  for (long long allowed = 1; allowed <= requestPixels; allowed *= 4) {
    if (allowed > 1 && total >= mostPixels) {
      break;
    }
    MergePass(rects, allowed, mostPixels, total);
  }
}

}  // namespace quorvane
