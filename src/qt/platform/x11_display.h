// What the program asks of the X display directly, on Xlib: it runs before, and without, a Qt
// application object. Each call opens its own connection and closes it again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// True when a window titled exactly `title` exists anywhere on the display, with or without a
// window manager. False when there is no display.
bool X11WindowTitledExists(std::string_view title);

// Why the display named by DISPLAY cannot be opened, as one line; nothing when it can.
std::optional<std::string> X11DisplayProblem();

}  // namespace quorvane
