#include <algorithm>

#include "scene_fixture.h"

namespace quorvane::testing {
namespace {

class AutoChangeFocusTest : public SceneTest {
 protected:
  void Tick() { scene.Tick(); }  // the focus step, then the frame
};

TEST_F(AutoChangeFocusTest, StepsThroughThePlanetsEvery51Ticks) {
  struct Case {
    std::int16_t autoChange;
    int first;
    std::vector<int> sequence;
  };
  const Case cases[] = {
      {1, 1, {2, 3, 4, 5, 6, 7, 8, 9, 1}},
      {-1, 9, {8, 7, 6, 5, 4, 3, 2, 1, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.autoChange);
    mod.settings.AutoChange = c.autoChange;
    Load(c.first);
    int focus = c.first;
    for (const int next : c.sequence) {
      for (int tick = 1; tick <= 50; ++tick) {
        Tick();
      }
      EXPECT_EQ(mod.settings.CenterId, focus);
      EXPECT_EQ(scene.ChangeTicks, 50);
      Tick();
      EXPECT_EQ(mod.settings.CenterId, next);
      EXPECT_EQ(scene.ChangeTicks, 0);
      focus = next;
    }
  }
}

TEST_F(AutoChangeFocusTest, AChangeStopsTheTimerClearsAndLaysOutAgain) {
  mod.settings.AutoChange = 1;
  Load(1);
  for (int tick = 1; tick <= 50; ++tick) {
    Tick();
  }
  EXPECT_EQ(std::count(canvas.log.begin(), canvas.log.end(), "Clear"), 0);
  canvas.log.clear();
  scene.AutoChangeFocus();

  EXPECT_EQ(canvas.log.front(), "Timer=off");
  EXPECT_EQ(canvas.log[1], "Clear");
  EXPECT_EQ(canvas.log.back(), "Timer=on");
  EXPECT_EQ(scene.OrbitScale, static_cast<float>(11520 * 0.8 / (2 * 10820)));
  EXPECT_EQ(ShownIds(), (std::vector<int>{1, 2, 3}));
  // The placement draws with the fill the last frame left: solid, in Venus's colour.
  EXPECT_EQ(canvas.log[3], "Circle(10146.2598,5760,15,CCCC00) fill=0/33CCFF");
  EXPECT_EQ(canvas.log.size(), 2 + 3 * 7 + 1u);
}

}  // namespace
}  // namespace quorvane::testing
