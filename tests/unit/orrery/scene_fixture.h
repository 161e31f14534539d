// A scene on a 1024 x 768 pixel screen at 15 twips per pixel, drawing on a recording canvas, with
// the real body table, English texts and an injected random sequence. The fake host logs its
// calls into the canvas log so that their order against the drawing can be checked.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/orrery/orrery_scene.h"
#include "support/recording_canvas.h"

namespace quorvane::testing {

class FakeHost : public OrreryHost {
 public:
  explicit FakeHost(std::vector<std::string>& log) : log_(log) {}

  CursorPoint cursor;

  CursorPoint CursorPosition() override { return cursor; }
  void EndProgram() override { log_.emplace_back("EndProgram"); }
  void SetTimerEnabled(bool enabled) override {
    log_.emplace_back(enabled ? "Timer=on" : "Timer=off");
  }
  void SetScreenSaverActive(bool active) override {
    log_.emplace_back(active ? "ScreenSaver=on" : "ScreenSaver=off");
  }

 private:
  std::vector<std::string>& log_;
};

class SceneTest : public ::testing::Test {
 protected:
  SceneTest() {
    mod.Pi = 4 * std::atan(1.0);
    InitBodies(mod.Bodies);
    mod.settings.Language = 2;
    mod.Rnd = [this] { return randoms.empty() ? 0.0 : NextRandom(); };
  }

  // The scene as the window's load step leaves it, with an empty log.
  void Load(int centerId) {
    mod.settings.CenterId = centerId;
    scene.Load();
    canvas.log.clear();
  }

  double NextRandom() {
    const double value = randoms[nextRandom % randoms.size()];
    ++nextRandom;
    return value;
  }

  std::vector<int> ShownIds() const {
    std::vector<int> ids;
    for (int i = 1; i <= scene.OrbiterCount; ++i) {
      ids.push_back(scene.Orbiters[static_cast<std::size_t>(i)].Id);
    }
    return ids;
  }

  ModPublic mod;
  RecordingCanvas canvas;
  ScreenMetrics screen{15360, 11520, 15, 15};
  FakeHost host{canvas.log};
  OrreryScene scene{mod, canvas, screen, host};
  std::vector<double> randoms;
  std::size_t nextRandom = 0;
};

}  // namespace quorvane::testing
