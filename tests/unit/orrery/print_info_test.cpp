#include <cstdio>

#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using PrintInfoTest = SceneTest;

TEST_F(PrintInfoTest, PrintsThreeWhiteLinesTwentyPixelsApart) {
  struct Case {
    std::int16_t language;
    float zoom;
    int centerId;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {1, 5, 3, {"直径倍率：5.0倍", "基準：地球", "時間倍率：525974.40倍"}},
      {2, 50, 4, {"diameter magnification:50.0x", "focus:Mars", "time scale:989251.20x"}},
      {3, 12.345f, 1, {"diameter magnification:12.35x", "focus:Mercury", "time scale:126676.80x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines[1]);
    canvas.log.clear();
    mod.settings.Language = c.language;
    mod.settings.Zoom = c.zoom;
    mod.settings.CenterId = c.centerId;
    scene.PrintInfo();
    const std::vector<std::string> expected = {
        "CurrentX=750",
        "CurrentY=750",
        "ForeColor=FFFFFF",
        "Print(750,750,FFFFFF," + c.lines[0] + ")",
        "CurrentX=0",
        "CurrentY=975",  // where Print leaves the current position
        "CurrentX=750",
        "CurrentY=1050",
        "Print(750,1050,FFFFFF," + c.lines[1] + ")",
        "CurrentX=0",
        "CurrentY=1275",
        "CurrentX=750",
        "CurrentY=1350",
        "Print(750,1350,FFFFFF," + c.lines[2] + ")",
        "CurrentX=0",
        "CurrentY=1575",
    };
    EXPECT_EQ(canvas.log, expected);
  }
}

TEST_F(PrintInfoTest, TimeScaleIsTheFocusPeriodInMinutes) {
  const char* const expected[] = {
      "",
      "time scale:126676.80x",
      "time scale:323568.00x",
      "time scale:525974.40x",
      "time scale:989251.20x",
      "time scale:6238056.38x",
      "time scale:15495205.82x",
      "time scale:44181849.60x",
      "time scale:86680581.12x",
      "time scale:130704638.40x",
  };
  for (int id = 1; id <= 9; ++id) {
    SCOPED_TRACE(id);
    canvas.log.clear();
    mod.settings.CenterId = id;
    scene.PrintInfo();
    EXPECT_EQ(canvas.log[13], std::string("Print(750,1350,FFFFFF,") + expected[id] + ")");
  }
}

TEST_F(PrintInfoTest, AHugeMagnificationIsPrintedInFull) {
  mod.settings.Zoom = 1e30f;
  scene.PrintInfo();
  EXPECT_EQ(canvas.log[3],
            "Print(750,750,FFFFFF,diameter magnification:1000000015047466219876688855040.0x)");
}

// Above 100 % the scene lays out in logical pixels and the canvas paints device pixels: the lines
// keep their 20-pixel pitch in logical pixels, which the larger glyphs of the scaled font need.
TEST(PrintInfoScaleTest, LinesStartFiftySeventyAndNinetyLogicalPixelsDown) {
  const struct {
    double ratio;
    int rows[3];  // device pixels
  } cases[] = {{1, {50, 70, 90}}, {1.5, {75, 105, 135}}, {2, {100, 140, 180}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ratio);
    const ScreenMetrics logical = LogicalScreen(2048, 1536, c.ratio);
    const ScreenMetrics device = InDevicePixels(logical, c.ratio);
    EXPECT_EQ(device.PixelsX(device.Width), 2048);
    EXPECT_EQ(device.PixelsY(device.Height), 1536);
    ModPublic mod;
    InitBodies(mod.Bodies);
    RecordingCanvas canvas;
    std::vector<std::string> log;
    FakeHost host(log);
    OrreryScene scene(mod, canvas, logical, host);
    scene.PrintInfo();
    std::vector<int> rows;
    for (const std::string& entry : canvas.log) {
      float x = 0;
      float y = 0;
      if (std::sscanf(entry.c_str(), "Print(%f,%f,", &x, &y) == 2) {
        EXPECT_EQ(device.PixelsX(x), std::lround(50 * c.ratio));
        rows.push_back(device.PixelsY(y));
      }
    }
    EXPECT_EQ(rows, std::vector<int>(std::begin(c.rows), std::end(c.rows)));
  }
}

}  // namespace
}  // namespace quorvane::testing
