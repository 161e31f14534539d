#include "core/orrery/full_screen_layout.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// True when some black rectangle holds the pixel.
bool IsBlack(const FullScreenLayout& layout, int x, int y) {
  for (const PixelRect& rect : layout.black) {
    if (rect.Contains(x, y)) {
      return true;
    }
  }
  return false;
}

TEST(FullScreenLayoutTest, EveryMonitorIsBlackAndTheOrreryIsOnThePrimary) {
  // The primary in the middle, one monitor above and left of it, one right of it and lower.
  const std::vector<MonitorArea> monitors = {
      {{-1280, -200, 1280, 1024}, false},
      {{0, 0, 1920, 1080}, true},
      {{1920, 300, 1600, 900}, false},
  };
  const FullScreenLayout layout = LayOutFullScreen(monitors);
  EXPECT_EQ(layout.window, (PixelRect{-1280, -200, 4800, 1400}));
  EXPECT_EQ(layout.orrery, (PixelRect{1280, 200, 1920, 1080}));

  long long blackArea = 0;
  for (const PixelRect& rect : layout.black) {
    EXPECT_FALSE(rect.Intersects(layout.orrery));
    EXPECT_EQ(PixelRect::Intersected(rect, {0, 0, layout.window.width, layout.window.height}),
              rect);
    blackArea += rect.Area();
  }
  // Black and orrery tile the window without overlapping.
  EXPECT_EQ(blackArea + layout.orrery.Area(), layout.window.Area());
  for (const MonitorArea& monitor : monitors) {
    if (monitor.primary) {
      continue;
    }
    const PixelRect inWindow = monitor.area.Translated(-layout.window.left, -layout.window.top);
    for (int y = inWindow.top; y <= inWindow.Bottom(); y += 7) {
      for (int x = inWindow.left; x <= inWindow.Right(); x += 7) {
        ASSERT_TRUE(IsBlack(layout, x, y)) << x << "," << y;
      }
    }
    ASSERT_TRUE(IsBlack(layout, inWindow.Right(), inWindow.Bottom()));
  }
}

TEST(FullScreenLayoutTest, OneMonitorIsAllOrrery) {
  const FullScreenLayout layout = LayOutFullScreen({{{0, 0, 1024, 768}, true}});
  EXPECT_EQ(layout.window, (PixelRect{0, 0, 1024, 768}));
  EXPECT_EQ(layout.orrery, (PixelRect{0, 0, 1024, 768}));
  EXPECT_TRUE(layout.black.empty());
  // No primary reported: the first monitor takes the orrery.
  const FullScreenLayout unmarked =
      LayOutFullScreen({{{0, 0, 800, 600}, false}, {{-640, 0, 640, 480}, false}});
  EXPECT_EQ(unmarked.orrery, (PixelRect{640, 0, 800, 600}));
  EXPECT_TRUE(LayOutFullScreen({}).window.IsEmpty());
}

}  // namespace
}  // namespace quorvane
