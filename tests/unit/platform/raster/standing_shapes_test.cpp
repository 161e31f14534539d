// The standing shapes: which changes damage a remembered ring, which disc makes room for a new
// one, and on a real canvas a Sun and a ring cut by later erases, whole again the next frame.
#include "core/platform/raster/standing_shapes.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/platform/pixel_canvas.h"

namespace quorvane {
namespace {

StandingShape Ring(double cx, double cy, double r, bool filled = false) {
  const PixelEllipse shape{cx, cy, r, r};
  return {static_cast<float>(cx),
          static_cast<float>(cy),
          static_cast<float>(r),
          1,
          filled,
          0,
          shape,
          EllipseBounds(shape, {0, 0, 1000, 1000}),
          {}};
}

TEST(StandingShapes, OnlyChangesOnAnOutlineDamageItAndADiscThatStandsIsKept) {
  StandingShapes shapes;
  shapes.Remember(Ring(500, 500, 200));
  const StandingShape* concentric = &shapes.Remember(Ring(500, 500, 100));
  StandingShape* ring = shapes.Find(Ring(500, 500, 200));
  shapes.MarkDamaged({480, 480, 40, 40}, nullptr);  // inside, off the outline
  shapes.MarkDamaged({295, 495, 10, 10}, concentric);
  EXPECT_TRUE(shapes.TakeDamage(*ring).empty());
  shapes.MarkDamaged({690, 495, 20, 10}, nullptr);
  EXPECT_EQ(shapes.TakeDamage(*ring), (std::vector<PixelRect>{{690, 495, 12, 10}}));
  // The Sun, found every frame, stays while moving discs come and go.
  shapes.Remember(Ring(500, 500, 80, true));
  for (int frame = 0; frame < 4; ++frame) {
    ASSERT_NE(shapes.Find(Ring(500, 500, 80, true)), nullptr) << frame;
    shapes.Remember(Ring(100 + frame, 100, 50, true));
  }
}

TEST(StandingShapes, ShapesCutByLaterErasesAreWholeAgainTheNextFrame) {
  constexpr float kTwips = 15;
  const auto draw = [](PixelCanvas& canvas) {
    canvas.SetFillStyle(kFillSolid);
    canvas.SetFillColor(0x00FFFF);
    canvas.Circle(200 * kTwips, 150 * kTwips, 60 * kTwips, 0x00FFFF);
    canvas.SetFillStyle(kFillTransparent);
    canvas.Circle(200 * kTwips, 150 * kTwips, 120 * kTwips, 0x404040);
  };
  PixelCanvas canvas(400, 300, kTwips, kTwips, 0, nullptr);
  PixelCanvas fresh(400, 300, kTwips, kTwips, 0, nullptr);
  draw(fresh);
  for (int frame = 0; frame < 3; ++frame) {
    draw(canvas);
    canvas.TakeDirtyRegion();
    // A planet's erase disc and label box cut both.
    canvas.SetFillStyle(kFillSolid);
    canvas.SetFillColor(0);
    canvas.Circle(static_cast<float>(255 + frame) * kTwips, 150 * kTwips, 12 * kTwips, 0);
    canvas.Line(310 * kTwips, 140 * kTwips, 330 * kTwips, 160 * kTwips, 0);
    canvas.TakeDirtyRegion();
  }
  draw(canvas);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      ASSERT_EQ(canvas.PixelColor(x, y), fresh.PixelColor(x, y)) << x << "," << y;
    }
  }
  long long sent = 0;
  for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
    sent += rect.Area();
  }
  EXPECT_GT(sent, 0);
  EXPECT_LE(sent, 25 * 25 + 21 * 21);
}

}  // namespace
}  // namespace quorvane
