#include "core/preview/preview_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/platform/pixel_canvas.h"
#include "support/recording_canvas.h"

namespace quorvane {
namespace {

const double kPi = 4 * std::atan(1.0);

PreviewScene LoadedScene(testing::RecordingCanvas& canvas, float twipsPerPixelX = 15,
                         float twipsPerPixelY = 15) {
  PreviewScene scene(kPi, twipsPerPixelX, twipsPerPixelY);
  scene.SizeWindow();
  scene.CentreSunAndDrawRing(canvas);
  return scene;
}

TEST(PreviewScene, LoadSizesTheWindowCentresTheSunAndDrawsTheRingOnce) {
  testing::RecordingCanvas canvas;
  const PreviewScene scene = LoadedScene(canvas);
  EXPECT_EQ(scene.Width, 2325);
  EXPECT_EQ(scene.Height, 1725);
  EXPECT_EQ(scene.shpSun.Left, 967.5);
  EXPECT_EQ(scene.shpSun.Top, 667.5);
  EXPECT_EQ(scene.OrbitCenterX, 1162.5);
  EXPECT_EQ(scene.OrbitCenterY, 862.5);
  EXPECT_EQ(canvas.log, (std::vector<std::string>{
                            "DrawStyle=0", "Circle(1162.5,862.5,675,404040) fill=1/000000"}));
}

TEST(PreviewScene, WindowIsAFixedNumberOfPixelsAtAnyResolution) {
  testing::RecordingCanvas canvas;
  const PreviewScene scene = LoadedScene(canvas, 12, 10);
  EXPECT_EQ(scene.Width, 12 * 155);
  EXPECT_EQ(scene.Height, 10 * 115);
  EXPECT_EQ(canvas.log.back(), "Circle(930,575,540,404040) fill=1/000000");
}

TEST(PreviewScene, PlanetKeepsItsDesignPositionUntilTheFirstTick) {
  testing::RecordingCanvas canvas;
  const PreviewScene scene = LoadedScene(canvas);
  EXPECT_EQ(scene.PlanetAngle, 0);
  EXPECT_EQ(scene.shpPlanet.Left, 1875);
  EXPECT_EQ(scene.shpPlanet.Top, 885);
  EXPECT_EQ(scene.shpPlanet.Width, 180);
  EXPECT_EQ(scene.shpPlanet.Height, 165);
  EXPECT_EQ(scene.shpPlanet.Diameter(), 165);
}

TEST(PreviewScene, PlanetRunsCounterClockwiseRoundTheRing) {
  struct Row {
    int ticks;
    double angle;
    float left;
    float top;
  };
  // Orbit centre (1162.5, 862.5), radius 675 twips, box 180 x 165.
  const Row rows[] = {
      {1, kPi / 15, 1162.5F + 675 * 0.97814760F - 90, 862.5F - 675 * 0.20791169F - 82.5F},
      {15, kPi, 397.5F, 780},       // 45 pixels left of the centre
      {30, 2 * kPi, 1747.5F, 780},  // one full turn: 45 pixels right of the centre
      {45, 3 * kPi, 397.5F, 780},   // the angle is never reduced, yet still on the ring
  };
  for (const Row& row : rows) {
    testing::RecordingCanvas canvas;
    PreviewScene scene = LoadedScene(canvas);
    for (int i = 0; i < row.ticks; ++i) {
      scene.MovePlanet();
    }
    EXPECT_NEAR(scene.PlanetAngle, row.angle, 1e-12) << row.ticks << " ticks";
    EXPECT_NEAR(scene.shpPlanet.Left, row.left, 1e-3) << row.ticks << " ticks";
    EXPECT_NEAR(scene.shpPlanet.Top, row.top, 1e-3) << row.ticks << " ticks";
    EXPECT_EQ(scene.shpPlanet.Width, 180);
    EXPECT_EQ(scene.shpPlanet.Height, 165);
  }
}

TEST(PreviewScene, SunAndPlanetNeverTouch) {
  testing::RecordingCanvas canvas;
  PreviewScene scene = LoadedScene(canvas);
  for (int tick = 0; tick <= 60; ++tick) {
    const double distance = std::hypot(scene.shpPlanet.CenterX() - scene.shpSun.CenterX(),
                                       scene.shpPlanet.CenterY() - scene.shpSun.CenterY());
    const double gapPixels =
        (distance - scene.shpSun.Diameter() / 2 - scene.shpPlanet.Diameter() / 2) / 15;
    EXPECT_GT(gapPixels, 20) << "tick " << tick;
    if (tick > 0) {
      EXPECT_NEAR(gapPixels, 26.5, 1e-3) << "tick " << tick;
    }
    scene.MovePlanet();
  }
}

// The preview prints nothing.
class NoGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view) override { return {}; }
  int LineHeight() const override { return 12; }
};

PixelCanvas PreviewCanvas() {
  return PixelCanvas(kPreviewWidthPixels, kPreviewHeightPixels, 15, 15, kPreviewBackColor,
                     std::make_unique<NoGlyphs>());
}

int CountColor(const PixelCanvas& canvas, Color color) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      count += canvas.PixelColor(x, y) == color ? 1 : 0;
    }
  }
  return count;
}

TEST(PreviewScene, ShapesStandOnWholePixelsAtLoad) {
  PixelCanvas canvas = PreviewCanvas();
  PreviewScene scene(kPi, 15, 15);
  scene.SizeWindow();
  scene.Load(canvas);
  // The Sun fills 26 pixels across from (65, 45), the planet 11 from (126, 59).
  EXPECT_EQ(canvas.PixelColor(65, 58), kSunColor);
  EXPECT_EQ(canvas.PixelColor(90, 58), kSunColor);
  EXPECT_EQ(canvas.PixelColor(64, 58), kPreviewBackColor);
  EXPECT_EQ(canvas.PixelColor(91, 58), kPreviewBackColor);
  EXPECT_EQ(canvas.PixelColor(126, 64), kPlanetColor);
  EXPECT_EQ(canvas.PixelColor(136, 64), kPlanetColor);
  EXPECT_EQ(canvas.PixelColor(131, 59), kPlanetColor);
  EXPECT_EQ(canvas.PixelColor(131, 69), kPlanetColor);
  EXPECT_EQ(canvas.PixelColor(137, 64), kPreviewBackColor);
  EXPECT_EQ(canvas.PixelColor(2, 2), kPreviewBackColor);
}

// Each tick leaves the picture exactly as if drawn afresh where the planet now stands: the ring
// shows again wherever the planet has passed, nothing trails behind it, and a tick sends only what
// changed round the planet's two places.
TEST(PreviewScene, EachTickIsThePictureDrawnAfreshAndSendsOnlyThePlanetsPlaces) {
  PixelCanvas canvas = PreviewCanvas();
  PreviewScene scene(kPi, 15, 15);
  scene.SizeWindow();
  scene.Load(canvas);
  canvas.TakeDirtyRegion();
  const int planetPixels = CountColor(canvas, kPlanetColor);
  const int sunPixels = CountColor(canvas, kSunColor);
  const PixelRect sun{64, 44, 28, 28};
  for (int tick = 1; tick <= 45; ++tick) {
    scene.Tick();
    long long sent = 0;
    for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
      sent += rect.Area();
      EXPECT_FALSE(rect.Intersects(sun)) << "tick " << tick;
    }
    EXPECT_GT(sent, 0) << "tick " << tick;
    EXPECT_LE(sent, 2 * 12 * 12) << "tick " << tick;

    PixelCanvas fresh = PreviewCanvas();
    PreviewScene still(kPi, 15, 15);
    still.SizeWindow();
    still.CentreSunAndDrawRing(fresh);
    for (int i = 0; i < tick; ++i) {
      still.MovePlanet();
    }
    still.DrawShapes(fresh);
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        ASSERT_EQ(canvas.PixelColor(x, y), fresh.PixelColor(x, y))
            << x << "," << y << " after " << tick << " ticks";
      }
    }
    EXPECT_EQ(CountColor(canvas, kPlanetColor), planetPixels) << "tick " << tick;
    EXPECT_EQ(CountColor(canvas, kSunColor), sunPixels) << "tick " << tick;
  }
}

}  // namespace
}  // namespace quorvane
