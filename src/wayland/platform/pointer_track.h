// Where the pointer is, as far as the full-screen saver can tell on Wayland: the compositor
// gives no global position, only motion over the program's own surfaces in each surface's
// coordinates. The track adds up the motion, in logical pixels; entering a surface (another
// output, or the first time) counts as no motion, since the step across is not known.
#pragma once

#include "core/platform/system_services.h"

namespace quorvane::wayland {

class PointerTrack {
 public:
  // The pointer came onto a surface at (x, y) in its coordinates.
  void Enter(double x, double y);
  // It moved to (x, y) on the surface it is on.
  void Motion(double x, double y);
  void Leave();

  // The track's position, in whole pixels from where it began.
  CursorPoint Position() const;

 private:
  bool over_ = false;  // between an enter and a leave
  double lastX_ = 0;
  double lastY_ = 0;
  double x_ = 0;
  double y_ = 0;
};

}  // namespace quorvane::wayland
