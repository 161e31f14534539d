#include "core/orrery/scene_formulas.h"
#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using PlaceBodiesTest = SceneTest;

TEST_F(PlaceBodiesTest, RecordsThePlanetsWhoseOrbitsReachIntoTheScreen) {
  struct Case {
    int centerId;
    std::vector<int> shown;
  };
  const Case cases[] = {
      {1, {1, 2}},
      {3, {1, 2, 3, 4}},
      {9, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.centerId);
    Load(c.centerId);
    EXPECT_EQ(ShownIds(), c.shown);
    // Every run starts the list afresh, keeping index 0 unused.
    EXPECT_EQ(scene.Orbiters.size(), c.shown.size() + 1);
  }
}

TEST_F(PlaceBodiesTest, PutsEachPlanetOnItsOrbitAtARandomAngle) {
  randoms = {0.0, 0.25, 0.5, 0.875};
  Load(3);
  ASSERT_EQ(scene.OrbiterCount, 4);
  for (int i = 1; i <= 4; ++i) {
    SCOPED_TRACE(i);
    const Orbiter& orbiter = scene.Orbiters[static_cast<std::size_t>(i)];
    EXPECT_EQ(orbiter.Angle,
              static_cast<float>(randoms[static_cast<std::size_t>(i - 1)] * mod.Pi * 2));
    const double s =
        ScaledOrbitRadius(scene.OrbitScale, mod.Bodies[static_cast<std::size_t>(i)].OrbitRadius);
    EXPECT_NEAR(std::hypot(orbiter.X - scene.CenterX, orbiter.Y - scene.CenterY), s, s * 1e-6);
  }
  // A quarter turn is straight up: angles run counter-clockwise on a y-down screen.
  EXPECT_EQ(scene.Orbiters[2].X, 7680);
  EXPECT_FLOAT_EQ(scene.Orbiters[2].Y, 5760 - 3332.79199f);
}

TEST_F(PlaceBodiesTest, DrawsEachDiscWithTheFillInForceAndItsLabel) {
  mod.settings.CenterId = 1;
  scene.ComputeGeometry();
  scene.PlaceBodies();
  // Both discs are below one pixel (Mercury 0.97 twips) and are drawn with radius 15; Mercury
  // sits at angle 0, 4608 right of the centre, its label ten pixels beyond its edge.
  const std::vector<std::string> expected = {
      "ForeColor=CCCC00",
      "Circle(12288,5760,15,CCCC00) fill=1/000000",
      "CurrentX=12453",
      "CurrentY=5760",
      "Print(12453,5760,CCCC00,Mercury)",
      "CurrentX=0",
      "CurrentY=5985",
      "ForeColor=33CCFF",
      "Circle(16289.6631,5760,15,33CCFF) fill=1/000000",
      "CurrentX=16454.6641",
      "CurrentY=5760",
      "Print(16454.6641,5760,33CCFF,Venus)",
      "CurrentX=0",
      "CurrentY=5985",
  };
  EXPECT_EQ(canvas.log, expected);
}

TEST_F(PlaceBodiesTest, RaisesSubPixelDiscsToOnePixel) {
  mod.settings.Zoom = 50;
  mod.settings.Language = 1;
  mod.settings.CenterId = 9;
  scene.ComputeGeometry();
  scene.PlaceBodies();
  // Pluto's disc would be 50 x 2320 / 20000 x 0.0078 = 0.045 twips.
  EXPECT_EQ(canvas.log[canvas.log.size() - 6], "Circle(12288,5760,15,C0C0C0) fill=1/000000");
  EXPECT_EQ(canvas.log[canvas.log.size() - 3], "Print(12453,5760,C0C0C0,冥王星)");

  // Venus with Mercury in focus is 24.08 twips and keeps its size.
  canvas.log.clear();
  mod.settings.CenterId = 1;
  scene.ComputeGeometry();
  scene.PlaceBodies();
  EXPECT_EQ(canvas.log[8], "Circle(16289.6631,5760,24.0784111,33CCFF) fill=1/000000");
}

TEST_F(PlaceBodiesTest, LeavesOutAnOrbitExactlyOnTheHalfDiagonal) {
  // Find a screen width whose half diagonal equals Mars's scaled orbit with Earth in focus.
  mod.settings.CenterId = 3;
  scene.ComputeGeometry();
  const float mars = ScaledOrbitRadius(scene.OrbitScale, mod.Bodies[4].OrbitRadius);
  float width = static_cast<float>(std::sqrt(4.0 * mars * mars - 11520.0 * 11520.0));
  while (HalfDiagonal(width, 11520) < mars) {
    width = std::nextafter(width, 1e9f);
  }
  while (HalfDiagonal(width, 11520) > mars) {
    width = std::nextafter(width, 0.0f);
  }
  ASSERT_EQ(HalfDiagonal(width, 11520), mars);
  screen.Width = width;
  Load(3);
  EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 3}));

  screen.Width = std::nextafter(width, 1e9f);
  while (HalfDiagonal(screen.Width, 11520) == mars) {
    screen.Width = std::nextafter(screen.Width, 1e9f);
  }
  Load(3);
  EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace quorvane::testing
