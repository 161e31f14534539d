#include "core/orrery/orrery_scene.h"

namespace quorvane {

// The timer starts only once everything is drawn, so no tick sees a half-built scene; the first
// tick compares the cursor with where it was here.
void OrreryScene::Load() {
  ComputeGeometry();
  PrintInfo();
  DrawSun();
  PlaceBodies();
  CursorPos = host_.CursorPosition();
  host_.SetTimerEnabled(true);
  host_.SetScreenSaverActive(true);
}

void OrreryScene::DrawFirstFrames() {
  Tick();
  Tick();
}

// A focus change and the frame run in the same tick, so the cleared screen is redrawn at once.
void OrreryScene::Tick() {
  if (modPublic_.settings.AutoChange != 0) {
    AutoChangeFocus();
  }
  DrawFrame();
}

void OrreryScene::Unload() {
  host_.SetScreenSaverActive(false);
}

}  // namespace quorvane
