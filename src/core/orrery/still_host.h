// A window around the scene that never moves its pointer and is never closed, so the scene runs
// undisturbed: for pictures drawn without a window (snapshots) and for measuring and testing
// frames.
#pragma once

#include "core/orrery/orrery_scene.h"

namespace quorvane {

class StillHost final : public OrreryHost {
 public:
  CursorPoint CursorPosition() override { return {}; }
  void EndProgram() override {}
  void SetTimerEnabled(bool) override {}
  void SetScreenSaverActive(bool) override {}
};

}  // namespace quorvane
