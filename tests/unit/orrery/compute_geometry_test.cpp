#include "core/orrery/scene_formulas.h"
#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using ComputeGeometryTest = SceneTest;

TEST_F(ComputeGeometryTest, ScalesTheFocusOrbitToFourTenthsOfTheScreenHeight) {
  struct Case {
    int centerId;
    float orbitScale;
    float angleStep;
  };
  const Case cases[] = {
      {3, 0.3080213963985443f, 3.8249938f},
      {1, 0.795717478f, 0.921219707f},
      {9, 0.00779231312f, 950.510925f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.centerId);
    mod.settings.CenterId = c.centerId;
    scene.ComputeGeometry();
    EXPECT_EQ(scene.ScreenWidth, 15360);
    EXPECT_EQ(scene.ScreenHeight, 11520);
    EXPECT_EQ(scene.OrbitScale, c.orbitScale);
    EXPECT_EQ(scene.CenterX, 7680);
    EXPECT_EQ(scene.CenterY, 5760);
    EXPECT_EQ(scene.AngleStep, c.angleStep);
    const Body& focus = mod.Bodies[static_cast<std::size_t>(c.centerId)];
    EXPECT_EQ(ScaledOrbitRadius(scene.OrbitScale, focus.OrbitRadius), 4608);
    // One revolution of the focus body every 600 ticks.
    EXPECT_NEAR(scene.AngleStep / focus.Period, 2 * mod.Pi / 600, 1e-8);
  }
  EXPECT_TRUE(canvas.log.empty());
}

TEST_F(ComputeGeometryTest, ReadsTheScreenAfresh) {
  Load(3);
  screen = {28800, 16200, 15, 15};
  scene.ComputeGeometry();
  EXPECT_EQ(scene.CenterX, 14400);
  EXPECT_EQ(scene.CenterY, 8100);
  EXPECT_EQ(scene.OrbitScale, static_cast<float>(16200 * 0.8 / 29920));
}

TEST(SceneFormulasTest, HalfDiagonalAndScaledOrbits) {
  EXPECT_EQ(HalfDiagonal(15360, 11520), 9600);
  const float earthScale = 0.3080213963985443f;
  EXPECT_FLOAT_EQ(ScaledOrbitRadius(earthScale, 5791), 1783.7519f);
  EXPECT_FLOAT_EQ(ScaledOrbitRadius(earthScale, 22794), 7021.0396f);
  EXPECT_FLOAT_EQ(ScaledOrbitRadius(earthScale, 77833), 23974.2285f);
}

TEST(SceneFormulasTest, OnlyPlanetsHaveAOnePixelFloor) {
  const float earthScale = 0.3080213963985443f;
  EXPECT_NEAR(DrawnRadius(50, 12756, earthScale), 9.82, 0.005);
  EXPECT_EQ(PlanetRadius(50, 12756, earthScale, 15), 15);
  EXPECT_EQ(PlanetRadius(50, 12104, 0.79571748f, 15), 50 * 12104 / 20000.0 * 0.79571748f);
}

TEST(SceneFormulasTest, HugeValuesStayFiniteInSinglePrecision) {
  EXPECT_EQ(ToSingle(1e300), std::numeric_limits<float>::max());
  EXPECT_EQ(ToSingle(-1e300), std::numeric_limits<float>::lowest());
  EXPECT_EQ(ToSingle(0.1), 0.1f);
}

}  // namespace
}  // namespace quorvane::testing
