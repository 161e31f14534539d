// The change tracker: changes undone within a frame, runs split across unchanged pixels, rows as a
// pixel-by-pixel comparison finds them, and a log too large to compare.
#include "core/platform/raster/change_tracker.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvane {
namespace {

struct Surface {
  Surface(int columns, int rows)
      : width(columns),
        pixels(static_cast<std::size_t>(columns * rows), 0),
        tracker(columns, rows) {}
  void Set(int row, int left, int right, std::uint8_t value) {
    std::uint8_t* line = pixels.data() + row * width;
    tracker.WillChange(row, left, right, line + left);
    std::fill(line + left, line + right + 1, value);
  }
  int width;
  std::vector<std::uint8_t> pixels;
  ChangeTracker tracker;
};

TEST(ChangeTracker, ReportsWhatDiffersFromTheLastTakeAndNoMore) {
  Surface s(100, 50);
  EXPECT_EQ(s.tracker.Take(s.pixels.data()), (std::vector<PixelRect>{{0, 0, 100, 50}}));
  // Drawn over and back, wholly and in part; two unchanged pixels joined, three split.
  s.Set(10, 20, 40, 3);
  s.Set(10, 25, 40, 0);
  s.Set(20, 10, 12, 1);
  s.Set(20, 15, 16, 1);
  s.Set(22, 10, 12, 1);
  s.Set(22, 16, 17, 1);
  EXPECT_EQ(
      s.tracker.Take(s.pixels.data()),
      (std::vector<PixelRect>{{20, 10, 5, 1}, {10, 20, 7, 1}, {10, 22, 3, 1}, {16, 22, 2, 1}}));
  EXPECT_TRUE(s.tracker.Take(s.pixels.data()).empty());
}

TEST(ChangeTracker, FindsLonePixelsAtEveryPlaceInARow) {
  // Compared eight at a time: changes on both sides of those eights' edges and in the last few.
  Surface s(100, 50);
  s.tracker.Take(s.pixels.data());
  for (const int column : {0, 7, 8, 9, 13, 17, 63, 64, 99}) {
    s.Set(5, column, column, 9);
  }
  EXPECT_EQ(
      s.tracker.Take(s.pixels.data()),
      (std::vector<PixelRect>{
          {0, 5, 1, 1}, {7, 5, 3, 1}, {13, 5, 1, 1}, {17, 5, 1, 1}, {63, 5, 2, 1}, {99, 5, 1, 1}}));
  EXPECT_EQ(s.tracker.ChangedPixels(), 9);
}

TEST(ChangeTracker, FindsTheRunsOfAPixelByPixelComparisonInRandomRows) {
  constexpr int kRowGap = 2;
  // Even rows of the first 16 change, so that each run comes back as a rectangle of its own; the
  // canvas is tall enough for their logs to stay within the tracker's budget.
  constexpr int kRows = 80;
  std::mt19937 random(7);
  const auto below = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
  for (const int width : {1, 5, 7, 8, 9, 15, 16, 17, 31, 64, 70}) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width * kRows));
    ChangeTracker tracker(width, kRows);
    tracker.Take(pixels.data());
    for (int round = 0; round < 60; ++round) {
      std::vector<PixelRect> expected;
      long long changed = 0;
      for (int row = 0; row < 16; row += 2) {
        std::uint8_t* line = pixels.data() + row * width;
        // Words are compared from the logged span's left end, anywhere in the row.
        const int left = below(width);
        const int right = left + below(width - left);
        tracker.WillChange(row, left, right, line + left);
        // Changes flip one bit of a quarter of the pixels up to all of them; or of only two, with
        // kRowGap or kRowGap + 1 unchanged between, around the first word's right edge.
        const int density = below(5);
        const int gap = kRowGap + below(2);
        const int first = left + 7 - below(gap + 1);
        for (int x = left; x <= right; ++x) {
          if (density > 0 ? below(4) < density : x == first || x == first + gap + 1) {
            line[x] ^= static_cast<std::uint8_t>(1 << below(8));
            ++changed;
            if (expected.empty() || expected.back().top != row ||
                x - expected.back().left - expected.back().width > kRowGap) {
              expected.push_back({x, row, 1, 1});
            } else {
              expected.back().width = x - expected.back().left + 1;
            }
          }
        }
      }
      ASSERT_EQ(tracker.Take(pixels.data()), expected) << "width " << width << ", round " << round;
      ASSERT_EQ(tracker.ChangedPixels(), changed) << "width " << width << ", round " << round;
    }
  }
}

TEST(ChangeTracker, CountsThePixelsThatDifferAtATake) {
  Surface s(100, 50);
  s.tracker.Take(s.pixels.data());
  EXPECT_EQ(s.tracker.ChangedPixels(), 100 * 50);
  // Five pixels changed twice, two drawn over and back, one drawn with the value it held.
  s.Set(3, 10, 14, 1);
  s.Set(3, 10, 14, 2);
  s.Set(7, 0, 1, 4);
  s.Set(7, 0, 1, 0);
  s.Set(9, 99, 99, 0);
  s.tracker.Take(s.pixels.data());
  EXPECT_EQ(s.tracker.ChangedPixels(), 5);
  s.tracker.Take(s.pixels.data());
  EXPECT_EQ(s.tracker.ChangedPixels(), 0);
}

TEST(ChangeTracker, ALogBeyondAQuarterOfTheCanvasSendsAllOfIt) {
  Surface s(40, 40);
  s.tracker.Take(s.pixels.data());
  for (int row = 0; row <= 10; ++row) {
    EXPECT_FALSE(s.tracker.ChangesAll());
    s.Set(row, 0, 39, 1);
  }
  EXPECT_TRUE(s.tracker.ChangesAll());
  EXPECT_EQ(s.tracker.Take(s.pixels.data()), (std::vector<PixelRect>{{0, 0, 40, 40}}));
  s.Set(0, 0, 0, 0);
  EXPECT_EQ(s.tracker.Take(s.pixels.data()), (std::vector<PixelRect>{{0, 0, 1, 1}}));
}

}  // namespace
}  // namespace quorvane
