#include <algorithm>

#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

using SceneEventsTest = SceneTest;

TEST_F(SceneEventsTest, LoadDrawsBeforeTheTimerStartsAndFixedFocusTicksOnlyDraw) {
  mod.settings.CenterId = 3;
  host.cursor = {40, 30};
  scene.Load();
  std::vector<std::string> printed;
  for (const std::string& entry : canvas.log) {
    if (entry.starts_with("Print(")) {
      printed.push_back(entry.substr(entry.rfind(',') + 1));
    }
  }
  EXPECT_EQ(printed, (std::vector<std::string>{"diameter magnification:5.0x)", "focus:Earth)",
                                               "time scale:525974.40x)", "Sun)", "Mercury)",
                                               "Venus)", "Earth)", "Mars)"}));
  const std::vector<std::string> last(canvas.log.end() - 2, canvas.log.end());
  EXPECT_EQ(last, (std::vector<std::string>{"Timer=on", "ScreenSaver=on"}));
  EXPECT_EQ(scene.CursorPos.x, 40);  // the first tick compares with the cursor at load
  EXPECT_EQ(scene.CursorPos.y, 30);

  for (int tick = 1; tick <= 60; ++tick) {
    scene.Tick();
  }
  EXPECT_EQ(mod.settings.CenterId, 3);
  EXPECT_EQ(std::count(canvas.log.begin(), canvas.log.end(), "Clear"), 0);
  EXPECT_EQ(std::count_if(canvas.log.begin(), canvas.log.end(),
                          [](const std::string& entry) { return entry.ends_with(",Sun)"); }),
            61);
}

// The first picture shown is complete: after the first two frames the Sun is a filled disc,
// where the load alone draws its outline.
TEST_F(SceneEventsTest, TheFirstTwoFramesFillTheSun) {
  mod.settings.CenterId = 3;
  const auto lastSun = [this] {
    const std::string centre = "Circle(7680,5760,";
    std::string found;
    for (const std::string& entry : canvas.log) {
      if (entry.starts_with(centre) && entry.find(",0060FF)") != std::string::npos) {
        found = entry.substr(entry.find(" fill="));
      }
    }
    return found;
  };
  scene.Load();
  EXPECT_EQ(lastSun(), " fill=1/0060FF");
  scene.DrawFirstFrames();
  EXPECT_EQ(lastSun(), " fill=0/0060FF");
  EXPECT_EQ(std::count_if(canvas.log.begin(), canvas.log.end(),
                          [](const std::string& entry) { return entry.ends_with(",Sun)"); }),
            3);
}

}  // namespace
}  // namespace quorvane::testing
