#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using DrawSunTest = SceneTest;

TEST_F(DrawSunTest, DrawsTheSunAtTheCentreWithItsNameBeside) {
  mod.settings.Zoom = 1;
  Load(3);
  scene.DrawSun();
  const std::vector<std::string> expected = {
      "FillColor=0060FF",
      "ForeColor=0060FF",
      "Circle(7680,5760,21.4382896,0060FF) fill=1/0060FF",
      "CurrentX=7851.43848",
      "CurrentY=5760",
      "Print(7851.43848,5760,0060FF,Sun)",
      "CurrentX=0",
      "CurrentY=5985",
  };
  EXPECT_EQ(canvas.log, expected);
}

TEST_F(DrawSunTest, RadiusFollowsZoomAndScaleWithoutAFloor) {
  struct Case {
    float zoom;
    int centerId;
    std::int16_t language;
    std::string circle;
    std::string label;
  };
  const Case cases[] = {
      {1, 3, 2, "Circle(7680,5760,21.4382896,0060FF) fill=1/0060FF",
       "Print(7851.43848,5760,0060FF,Sun)"},
      {50, 3, 1, "Circle(7680,5760,1071.91443,0060FF) fill=1/0060FF",
       "Print(8901.91406,5760,0060FF,太陽)"},
      {1, 9, 2, "Circle(7680,5760,0.542344987,0060FF) fill=1/0060FF",
       "Print(7830.54248,5760,0060FF,Sun)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.circle);
    mod.settings.Zoom = c.zoom;
    mod.settings.Language = c.language;
    Load(c.centerId);
    scene.DrawSun();
    EXPECT_EQ(canvas.log[2], c.circle);
    EXPECT_EQ(canvas.log[5], c.label);
  }
}

TEST_F(DrawSunTest, AnEnormousMagnificationGivesAFiniteRadius) {
  mod.settings.Zoom = std::numeric_limits<float>::max();
  Load(3);
  scene.DrawSun();
  EXPECT_EQ(canvas.log[2], "Circle(7680,5760,3.40282347e+38,0060FF) fill=1/0060FF");
  EXPECT_EQ(canvas.log[3], "CurrentX=3.40282347e+38");
}

}  // namespace
}  // namespace quorvane::testing
