// The standing shapes: which changes damage which remembered shape, what a redraw repairs, and
// which shapes are forgotten to make room; then a Sun and a ring cut by later erases, redrawn in
// the next frame, on a real canvas.
#include "core/platform/raster/standing_shapes.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/platform/pixel_canvas.h"

namespace quorvane {
namespace {

StandingShape Ring(double cx, double cy, double r, bool filled = false) {
  StandingShape shape{static_cast<float>(cx),
                      static_cast<float>(cy),
                      static_cast<float>(r),
                      1,
                      filled,
                      0,
                      {cx, cy, r, r},
                      {},
                      {}};
  shape.bounds = EllipseBounds(shape.shape, {0, 0, 1000, 1000});
  return shape;
}

TEST(StandingShapes, ChangesDamageOnlyTheShapesWhosePixelsTheyMayHold) {
  StandingShapes shapes;
  StandingShape* ring = &shapes.Remember(Ring(500, 500, 200));
  const StandingShape* concentric = &shapes.Remember(Ring(500, 500, 100));
  ring = shapes.Find(Ring(500, 500, 200));
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(shapes.Find(Ring(500, 500, 201)), nullptr);
  // Inside the ring and well off its outline, or outside its bounds: no damage.
  shapes.MarkDamaged({480, 480, 40, 40}, nullptr);
  shapes.MarkDamaged({900, 900, 10, 10}, nullptr);
  // A concentric ring redrawn never damages the other; a change by the ring itself neither.
  shapes.MarkDamaged({295, 495, 10, 10}, concentric);
  shapes.MarkDamaged({695, 495, 10, 10}, ring);
  EXPECT_TRUE(shapes.TakeDamage(*ring).empty());
  // On its outline: damaged there, and repaired by the take.
  shapes.MarkDamaged({690, 495, 20, 10}, nullptr);
  ring = shapes.Find(Ring(500, 500, 200));
  EXPECT_EQ(shapes.TakeDamage(*ring), (std::vector<PixelRect>{{690, 495, 12, 10}}));
  EXPECT_TRUE(shapes.TakeDamage(*ring).empty());
  // Many small cuts are kept as their bounds.
  for (int i = 0; i < 40; ++i) {
    shapes.MarkDamaged({298, 400 + 5 * i, 4, 2}, nullptr);
  }
  EXPECT_LE(shapes.TakeDamage(*shapes.Find(Ring(500, 500, 200))).size(), 32u);
}

TEST(StandingShapes, ADiscDrawnAfterTheSunMakesRoomButTheSunStays) {
  StandingShapes shapes;
  shapes.Remember(Ring(500, 500, 80, true));
  for (int frame = 0; frame < 5; ++frame) {
    ASSERT_NE(shapes.Find(Ring(500, 500, 80, true)), nullptr) << frame;
    shapes.Remember(Ring(100 + frame, 100, 50, true));
  }
  EXPECT_EQ(shapes.Find(Ring(102, 100, 50, true)), nullptr);
  EXPECT_NE(shapes.Find(Ring(104, 100, 50, true)), nullptr);
}

// Every byte a 4 x 4 block of ink.
class BlockGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view text) override {
    return {0,
            0,
            4 * static_cast<int>(text.size()),
            4,
            std::vector<std::uint8_t>(16 * text.size(), 255),
            5 * static_cast<int>(text.size())};
  }
  int LineHeight() const override { return 6; }
};

TEST(StandingShapes, ShapesCutByLaterErasesAreWholeAgainTheNextFrame) {
  constexpr float kTwips = 15;
  auto draw = [](PixelCanvas& canvas) {
    canvas.SetFillStyle(kFillSolid);
    canvas.SetFillColor(0x00FFFF);
    canvas.Circle(200 * kTwips, 150 * kTwips, 60 * kTwips, 0x00FFFF);
    canvas.SetFillStyle(kFillTransparent);
    canvas.Circle(200 * kTwips, 150 * kTwips, 120 * kTwips, 0x404040);
  };
  PixelCanvas canvas(400, 300, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  PixelCanvas fresh(400, 300, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  draw(fresh);
  for (int frame = 0; frame < 3; ++frame) {
    draw(canvas);
    canvas.TakeDirtyRegion();
    // After the shapes, a planet's erase disc and label box cut both of them.
    canvas.SetFillStyle(kFillSolid);
    canvas.SetFillColor(0);
    canvas.Circle((255 + frame) * kTwips, 150 * kTwips, 12 * kTwips, 0);
    canvas.Line(310 * kTwips, 140 * kTwips, 330 * kTwips, 160 * kTwips, 0);
    canvas.TakeDirtyRegion();
  }
  draw(canvas);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      ASSERT_EQ(canvas.PixelColor(x, y), fresh.PixelColor(x, y)) << x << "," << y;
    }
  }
  // The repair is sent, and only about as much as the erases cut.
  long long sent = 0;
  for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
    sent += rect.Area();
  }
  EXPECT_GT(sent, 0);
  EXPECT_LE(sent, 25 * 25 + 21 * 21);
}

}  // namespace
}  // namespace quorvane
