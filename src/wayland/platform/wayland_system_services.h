// The system services of a start on a Wayland session: those of the Linux front end, less what
// would reach for an X display. Wayland lets no client search the others' windows by title, so
// the instance lock alone keeps a second saver or dialog from starting; the display check asks
// the Wayland compositor.
#pragma once

#include "qt/platform/qt_system_services.h"

namespace quorvane::wayland {

class WaylandSystemServices final : public QtSystemServices {
 public:
  // Always false: there is no window search on Wayland (and asking XWayland could start it).
  bool TopLevelWindowExists(std::string_view title) override;
  std::optional<std::string> DisplayProblem() override;
  // Always nothing: the dialog draws on Wayland, which has no colour-poor visuals.
  std::optional<std::string> DialogDisplayProblem() override;
};

}  // namespace quorvane::wayland
