#include "core/orrery/orrery_scene.h"
#include "core/orrery/scene_formulas.h"

namespace quorvane {

// Filled only once a frame has set the fill style solid; the radius has no one-pixel floor.
void OrreryScene::DrawSun() {
  const Body& sun = modPublic_.Bodies[kSunId];
  canvas_.SetFillColor(sun.Color);
  canvas_.SetForeColor(sun.Color);
  const float radius = ToSingle(DrawnRadius(modPublic_.settings.Zoom, sun.Diameter, OrbitScale));
  canvas_.Circle(CenterX, CenterY, radius, sun.Color);
  canvas_.SetCurrentX(LabelX(CenterX, radius, screen_.TwipsPerPixelX));
  canvas_.SetCurrentY(CenterY);
  canvas_.Print(Label(sun));
}

}  // namespace quorvane
