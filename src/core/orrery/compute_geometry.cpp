#include "core/orrery/orrery_scene.h"
#include "core/orrery/scene_formulas.h"

namespace quorvane {

// The focus body's orbit fills 80 % of the screen height and takes 600 ticks per revolution.
void OrreryScene::ComputeGeometry() {
  const Body& focus = FocusBody();
  ScreenWidth = screen_.Width;
  ScreenHeight = screen_.Height;
  OrbitScale = ToSingle(static_cast<double>(ScreenHeight) * 0.8 / (2 * focus.OrbitRadius));
  CenterX = ToSingle(static_cast<double>(ScreenWidth) / 2);
  CenterY = ToSingle(static_cast<double>(ScreenHeight) / 2);
  AngleStep = ToSingle(modPublic_.Pi * 2 * focus.Period / 600);
}

}  // namespace quorvane
