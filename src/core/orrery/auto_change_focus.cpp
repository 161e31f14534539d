#include "core/orrery/orrery_scene.h"

namespace quorvane {

namespace {

constexpr std::int16_t kTicksPerFocus = 50;  // the change comes on the count after this

}  // namespace

// The timer is off during the re-layout so no tick sees a half-built scene.
void OrreryScene::AutoChangeFocus() {
  ++ChangeTicks;
  if (ChangeTicks <= kTicksPerFocus) {
    return;
  }
  host_.SetTimerEnabled(false);
  ChangeTicks = 0;
  std::int32_t& centerId = modPublic_.settings.CenterId;
  if (modPublic_.settings.AutoChange == 1) {
    centerId = centerId + 1 > kLastPlanetId ? kFirstPlanetId : centerId + 1;
  } else if (modPublic_.settings.AutoChange == -1) {
    centerId = centerId - 1 < kFirstPlanetId ? kLastPlanetId : centerId - 1;
  }
  canvas_.Clear();
  ComputeGeometry();
  PlaceBodies();
  host_.SetTimerEnabled(true);
}

}  // namespace quorvane
