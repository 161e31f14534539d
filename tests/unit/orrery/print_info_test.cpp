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

}  // namespace
}  // namespace quorvane::testing
