#include <algorithm>

#include "core/orrery/scene_formulas.h"
#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using DrawFrameTest = SceneTest;

bool Logged(const std::vector<std::string>& log, const std::string& entry) {
  return std::find(log.begin(), log.end(), entry) != log.end();
}

TEST_F(DrawFrameTest, DrawsOverlaySunThenErasesMovesAndRedrawsEachPlanet) {
  mod.settings.Orbit = -1;
  Load(1);  // Mercury and Venus at angle 0, drawn as outlines: the fill is still transparent
  scene.DrawFrame();
  const std::vector<std::string> expected = {
      "CurrentX=750",
      "CurrentY=750",
      "ForeColor=FFFFFF",
      "Print(750,750,FFFFFF,diameter magnification:5.0x)",
      "CurrentX=0",
      "CurrentY=975",
      "CurrentX=750",
      "CurrentY=1050",
      "Print(750,1050,FFFFFF,focus:Mercury)",
      "CurrentX=0",
      "CurrentY=1275",
      "CurrentX=750",
      "CurrentY=1350",
      "Print(750,1350,FFFFFF,time scale:126676.80x)",
      "CurrentX=0",
      "CurrentY=1575",
      "FillColor=0060FF",
      "ForeColor=0060FF",
      "Circle(7680,5760,276.909668,0060FF) fill=1/0060FF",
      "CurrentX=8106.90967",
      "CurrentY=5760",
      "Print(8106.90967,5760,0060FF,Sun)",
      "CurrentX=0",
      "CurrentY=5985",
      // Mercury: the first erase of the run is an outline, matching the outline placed at load.
      "FillColor=000000",
      "Circle(12288,5760,15,000000) fill=1/000000",
      "Line(12453,5760,13153,5985,000000)",
      "FillStyle=1",
      "Circle(7680,5760,4608,404040) fill=1/000000",
      "FillStyle=0",
      "FillColor=CCCC00",
      "ForeColor=CCCC00",
      "Circle(12287.7471,5711.74609,15,CCCC00) fill=0/CCCC00",
      "CurrentX=12452.7471",
      "CurrentY=5711.74609",
      "Print(12452.7471,5711.74609,CCCC00,Mercury)",
      "CurrentX=0",
      "CurrentY=5936.74609",
      // Venus: from here on erase circles are filled black discs.
      "FillColor=000000",
      "Circle(16289.6631,5760,15,000000) fill=0/000000",
      "Line(16454.6641,5760,16954.6641,5985,000000)",
      "FillStyle=1",
      "Circle(7680,5760,8609.66309,404040) fill=1/000000",
      "FillStyle=0",
      "FillColor=33CCFF",
      "ForeColor=33CCFF",
      "Circle(16289.5908,5724.70264,15,33CCFF) fill=0/33CCFF",
      "CurrentX=16454.5898",
      "CurrentY=5724.70264",
      "Print(16454.5898,5724.70264,33CCFF,Venus)",
      "CurrentX=0",
      "CurrentY=5949.70264",
  };
  EXPECT_EQ(canvas.log, expected);
}

TEST_F(DrawFrameTest, TheNextFrameFillsTheSunAndErasesWhereThePlanetsWereDrawn) {
  Load(1);
  scene.DrawFrame();
  canvas.log.clear();
  scene.DrawFrame();
  EXPECT_EQ(canvas.log[18], "Circle(7680,5760,276.909668,0060FF) fill=0/0060FF");
  EXPECT_EQ(canvas.log[25], "Circle(12287.7471,5711.74609,15,000000) fill=0/000000");
  EXPECT_EQ(canvas.log[26], "Line(12452.7471,5711.74609,13152.7471,5936.74609,000000)");
}

TEST_F(DrawFrameTest, PlanetsBelowOnePixelAreDrawnWithOnePixelRadius) {
  mod.settings.Zoom = 50;  // Earth's own radius would be 9.82 twips
  Load(3);
  scene.DrawFrame();
  EXPECT_TRUE(Logged(canvas.log, "Circle(12288,5760,15,000000) fill=0/000000"));
  EXPECT_TRUE(Logged(canvas.log, "Line(12453,5760,12953,5985,000000)"));
  EXPECT_TRUE(Logged(canvas.log, "Circle(12287.7471,5711.74609,15,CC0000) fill=0/CC0000"));
  EXPECT_TRUE(Logged(canvas.log, "Print(12452.7471,5711.74609,CC0000,Earth)"));
}

TEST_F(DrawFrameTest, JapaneseLabelsAndTheirEraseBoxes) {
  mod.settings.Language = 1;
  Load(1);
  scene.DrawFrame();
  EXPECT_TRUE(Logged(canvas.log, "Line(12453,5760,12653,5985,000000)"));
  EXPECT_TRUE(Logged(canvas.log, "Print(12452.7471,5711.74609,CCCC00,水星)"));
}

TEST_F(DrawFrameTest, WithoutOrbitsNoRingIsDrawnButTheFillTurnsSolid) {
  Load(9);
  scene.DrawFrame();
  EXPECT_EQ(std::count(canvas.log.begin(), canvas.log.end(), "FillStyle=0"), 9);
  EXPECT_EQ(std::count(canvas.log.begin(), canvas.log.end(), "FillStyle=1"), 0);
  EXPECT_EQ(std::count_if(
                canvas.log.begin(), canvas.log.end(),
                [](const std::string& entry) { return entry.find("404040") != std::string::npos; }),
            0);
  EXPECT_EQ(canvas.FillStyle(), kFillSolid);
  EXPECT_EQ(canvas.FillColor(), 0xC0C0C0u);  // the last planet's colour carries over
}

TEST_F(DrawFrameTest, AnglesWrapByWholeTurnsAbove2Pi) {
  struct Case {
    const char* name;
    float start;
    float angleStep;  // 0: the step Pluto in focus gives
    float expected;
  };
  const float fullTurn = static_cast<float>(2 * 3.141592653589793);
  const Case cases[] = {
      // Mercury gains 10.8 radians per tick with Pluto in focus.
      {"one turn", 0, 0, 4.52176189f},
      {"three turns", 0, 87.97f * 20, 1.15044439f},
      {"exactly 2 Pi stays", fullTurn, 1e-30f, fullTurn},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load(9);
    if (c.angleStep != 0) {
      scene.AngleStep = c.angleStep;
    }
    Orbiter& mercury = scene.Orbiters[1];
    mercury.Angle = c.start;
    scene.DrawFrame();
    EXPECT_NEAR(mercury.Angle, c.expected, 1e-5);
    EXPECT_LE(mercury.Angle, fullTurn);
    const ScenePoint at =
        OrbitPosition(scene.CenterX, scene.CenterY, scene.OrbitScale, 5791, mercury.Angle);
    EXPECT_EQ(mercury.X, at.X);
    EXPECT_EQ(mercury.Y, at.Y);
  }
}

TEST_F(DrawFrameTest, AMouseMoveOfMoreThanTenPixelsSinceTheLastTickEnds) {
  struct Case {
    int dx;
    int dy;
    bool ends;
  };
  const Case cases[] = {
      {6, 8, false}, {-10, 0, false}, {0, 0, false}, {8, 7, true}, {0, -11, true}, {-8, 7, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.dx << "," << c.dy);
    Load(3);
    scene.CursorPos = {500, 400};
    host.cursor = {500 + c.dx, 400 + c.dy};
    scene.DrawFrame();
    if (c.ends) {
      EXPECT_EQ(canvas.log, std::vector<std::string>{"EndProgram"});
    } else {
      EXPECT_FALSE(Logged(canvas.log, "EndProgram"));
      EXPECT_EQ(scene.CursorPos.x, host.cursor.x);
      EXPECT_EQ(scene.CursorPos.y, host.cursor.y);
      EXPECT_GT(canvas.log.size(), 24u);
    }
  }
}

TEST_F(DrawFrameTest, ASlowDriftKeepsRunning) {
  Load(3);
  for (int tick = 0; tick < 600; ++tick) {
    host.cursor.x += 3;
    scene.DrawFrame();
  }
  EXPECT_FALSE(Logged(canvas.log, "EndProgram"));
  EXPECT_EQ(scene.CursorPos.x, 1800);
}

TEST_F(DrawFrameTest, HugeMagnificationsDrawFiniteDiscs) {
  for (const float zoom : {1e30f, std::numeric_limits<float>::max()}) {
    SCOPED_TRACE(zoom);
    mod.settings.Zoom = zoom;
    Load(9);
    scene.DrawFrame();
    for (int i = 1; i <= scene.OrbiterCount; ++i) {
      EXPECT_TRUE(std::isfinite(scene.Orbiters[static_cast<std::size_t>(i)].X));
    }
    EXPECT_TRUE(std::isfinite(canvas.CurrentY()));
    EXPECT_FALSE(Logged(canvas.log, "inf"));
  }
}

}  // namespace
}  // namespace quorvane::testing
