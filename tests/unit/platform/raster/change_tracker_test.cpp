// The change tracker: what a take reports after changes, changes undone within a frame, runs
// split or joined across unchanged pixels and a log too large to compare.
#include "core/platform/raster/change_tracker.h"

#include <gtest/gtest.h>

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
  const std::vector<PixelRect>& Take() { return tracker.Take(pixels.data()); }
  int width;
  std::vector<std::uint8_t> pixels;
  ChangeTracker tracker;
};

TEST(ChangeTracker, TakesTheWholeCanvasFirstAndAfterChangeAllThenOnlyWhatDiffers) {
  Surface s(100, 50);
  EXPECT_EQ(s.Take(), (std::vector<PixelRect>{{0, 0, 100, 50}}));
  EXPECT_TRUE(s.Take().empty());
  // Drawn over and back within one frame: nothing to send.
  s.Set(10, 20, 40, 3);
  s.Set(10, 20, 40, 0);
  EXPECT_TRUE(s.Take().empty());
  // Over and back in part: the rest only.
  s.Set(10, 20, 40, 3);
  s.Set(10, 25, 40, 0);
  EXPECT_EQ(s.Take(), (std::vector<PixelRect>{{20, 10, 5, 1}}));
  s.tracker.ChangeAll();
  s.Set(1, 1, 1, 5);
  EXPECT_EQ(s.Take(), (std::vector<PixelRect>{{0, 0, 100, 50}}));
  EXPECT_TRUE(Surface(0, 10).Take().empty());
}

TEST(ChangeTracker, RunsSplitAcrossGapsAndStackIntoRectangles) {
  Surface s(100, 50);
  s.Take();
  // Two unchanged pixels between changed ones are sent; three split the run.
  s.Set(5, 10, 12, 1);
  s.Set(5, 15, 16, 1);
  s.Set(8, 10, 12, 1);
  s.Set(8, 16, 17, 1);
  // Rows changed in any order stack into one rectangle when they line up.
  s.Set(30, 50, 59, 2);
  s.Set(29, 50, 59, 2);
  s.Set(31, 50, 59, 2);
  std::vector<PixelRect> taken = s.Take();
  std::sort(taken.begin(), taken.end(), [](const PixelRect& a, const PixelRect& b) {
    return a.top != b.top ? a.top < b.top : a.left < b.left;
  });
  EXPECT_EQ(taken,
            (std::vector<PixelRect>{{10, 5, 7, 1}, {10, 8, 3, 1}, {16, 8, 2, 1}, {50, 29, 10, 3}}));
}

TEST(ChangeTracker, ALogBeyondAQuarterOfTheCanvasSendsAllOfIt) {
  Surface s(40, 40);
  s.Take();
  for (int row = 0; row < 10; ++row) {
    s.Set(row, 0, 39, 1);
  }
  EXPECT_FALSE(s.tracker.ChangesAll());
  s.Set(10, 0, 0, 1);
  EXPECT_TRUE(s.tracker.ChangesAll());
  EXPECT_EQ(s.Take(), (std::vector<PixelRect>{{0, 0, 40, 40}}));
  s.Set(0, 0, 0, 0);
  EXPECT_EQ(s.Take(), (std::vector<PixelRect>{{0, 0, 1, 1}}));
}

}  // namespace
}  // namespace quorvane
