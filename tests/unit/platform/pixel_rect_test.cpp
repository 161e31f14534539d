// Whether two rectangles share a pixel, asked with plain comparisons: the same answer as taking
// their intersection, for rectangles touching, overlapping, apart and empty.
#include "core/platform/pixel_rect.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(PixelRect, IntersectsExactlyWhenTheIntersectionHoldsAPixel) {
  const PixelRect fixed{3, 4, 5, 6};
  int sharing = 0;
  for (int left = -2; left <= 10; ++left) {
    for (int top = -2; top <= 12; ++top) {
      for (int width = -1; width <= 4; ++width) {
        for (int height = -1; height <= 4; ++height) {
          const PixelRect other{left, top, width, height};
          const bool expected = !PixelRect::Intersected(fixed, other).IsEmpty();
          ASSERT_EQ(fixed.Intersects(other), expected)
              << left << ',' << top << ' ' << width << 'x' << height;
          ASSERT_EQ(other.Intersects(fixed), expected);
          sharing += expected ? 1 : 0;
        }
      }
    }
  }
  EXPECT_GT(sharing, 0);
  // Sharing one corner pixel counts; lying side by side does not.
  EXPECT_TRUE(fixed.Intersects({7, 9, 1, 1}));
  EXPECT_FALSE(fixed.Intersects({8, 4, 3, 3}));
  EXPECT_FALSE(fixed.Intersects({3, 10, 5, 1}));
}

}  // namespace
}  // namespace quorvane
