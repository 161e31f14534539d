// The start of the program on a Wayland session: the full-screen saver through the Wayland
// front end, the settings dialog on Qt's Wayland platform, and a clear refusal for what only
// X11 can do when there is no XWayland.
#pragma once

#include <optional>

#include "qt/startup/command_line_options.h"

namespace quorvane::wayland {

// Runs the start when the session is a Wayland one and returns its exit status; nothing when
// the start belongs to the X11 front end (for which it may have chosen Qt's xcb platform).
std::optional<int> RunOnWaylandSession(int& argc, char** argv, const CommandLineOptions& options);

}  // namespace quorvane::wayland
