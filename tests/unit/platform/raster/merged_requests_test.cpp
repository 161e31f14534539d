// Joining the rectangles to send: near ones joined, far ones and those beyond the budget kept
// apart, overlaps always joined.
#include "core/platform/raster/merged_requests.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvane {
namespace {

TEST(MergeRequests, JoinsNearRectanglesIntoOneAndLeavesFarOnesAlone) {
  // A label's old and new ink a few pixels apart, a disc's edge beside it, and a rectangle far off.
  std::vector<PixelRect> rects{
      {100, 100, 40, 10}, {900, 500, 5, 5}, {103, 104, 40, 10}, {150, 100, 2, 14}};
  MergeRequests(rects, 256, 1 << 20);
  EXPECT_EQ(rects, (std::vector<PixelRect>{{100, 100, 52, 14}, {900, 500, 5, 5}}));
  // The gap between the first two is filled only by the third: joined on a second look.
  std::vector<PixelRect> row{{0, 0, 10, 10}, {30, 0, 10, 10}, {10, 0, 20, 10}};
  MergeRequests(row, 150, 1 << 20);
  EXPECT_EQ(row, (std::vector<PixelRect>{{0, 0, 40, 10}}));
}

TEST(MergeRequests, SendsNoMoreThanTheBudgetButStillJoinsOverlaps) {
  std::vector<PixelRect> rects{{0, 0, 10, 10}, {5, 5, 10, 10}, {40, 0, 10, 10}};
  // The overlapping pair as one sends 225 pixels instead of 200; joining the third would add 425
  // more.
  MergeRequests(rects, 1000, 200 + 100 + 100);
  EXPECT_EQ(rects, (std::vector<PixelRect>{{0, 0, 15, 15}, {40, 0, 10, 10}}));
  std::vector<PixelRect> overlapping{{0, 0, 10, 10}, {0, 2, 10, 10}};
  MergeRequests(overlapping, 1000, 0);
  EXPECT_EQ(overlapping, (std::vector<PixelRect>{{0, 0, 10, 12}}));
}

}  // namespace
}  // namespace quorvane
