#include "wayland/platform/wayland_system_services.h"

#include <wayland-client.h>

#include <cstdlib>

namespace quorvane::wayland {

bool WaylandSystemServices::TopLevelWindowExists(std::string_view) {
  return false;
}

std::optional<std::string> WaylandSystemServices::DialogDisplayProblem() {
  return std::nullopt;
}

std::optional<std::string> WaylandSystemServices::DisplayProblem() {
  if (wl_display* display = wl_display_connect(nullptr)) {
    wl_display_disconnect(display);
    return std::nullopt;
  }
  const char* name = std::getenv("WAYLAND_DISPLAY");
  return "cannot connect to the Wayland display \"" + std::string(name != nullptr ? name : "") +
         "\"";
}

}  // namespace quorvane::wayland
