#include "wayland/platform/pointer_track.h"

#include <cmath>

namespace quorvane::wayland {

void PointerTrack::Enter(double x, double y) {
  over_ = true;
  lastX_ = x;
  lastY_ = y;
}

void PointerTrack::Motion(double x, double y) {
  if (!over_) {
    return;  // motion is only sent between enter and leave
  }
  x_ += x - lastX_;
  y_ += y - lastY_;
  lastX_ = x;
  lastY_ = y;
}

void PointerTrack::Leave() {
  over_ = false;
}

CursorPoint PointerTrack::Position() const {
  return {static_cast<std::int32_t>(std::lround(x_)), static_cast<std::int32_t>(std::lround(y_))};
}

}  // namespace quorvane::wayland
