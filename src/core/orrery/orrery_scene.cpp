#include "core/orrery/orrery_scene.h"

namespace quorvane {

OrreryScene::OrreryScene(ModPublic& modPublic, Canvas& canvas, const ScreenMetrics& screen,
                         OrreryHost& host)
    : modPublic_(modPublic), canvas_(canvas), screen_(screen), host_(host) {}

const Body& OrreryScene::FocusBody() const {
  // Settings loading keeps CenterId within the planets 1 to 9.
  return modPublic_.Bodies[static_cast<std::size_t>(modPublic_.settings.CenterId)];
}

const std::string& OrreryScene::Label(const Body& body) const {
  return DisplayName(body, modPublic_.settings.Language);
}

}  // namespace quorvane
