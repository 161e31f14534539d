// What the program asks of the X display directly, on Xlib: it runs before, and without, a Qt
// application object. Each call opens its own connection and closes it again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

using Display = struct _XDisplay;

namespace quorvane {

// XOpenDisplay(nullptr) without the lines Xlib prints on standard error when the server refuses
// the connection (on every attempt, as for a missing authorization): the first of them goes to
// `refusal` instead, empty when there was none.
Display* OpenX11Display(std::string* refusal = nullptr);

// True when a window titled exactly `title` exists anywhere on the display, with or without a
// window manager. False when there is no display.
bool X11WindowTitledExists(std::string_view title);

// Why the display's default visual cannot show Qt's windows (too few colours, as on an 8-bit
// PseudoColor display), as one line; nothing when it can, or when the display does not open.
std::optional<std::string> X11DialogVisualProblem();

// Why the display named by DISPLAY cannot be opened, as one line; nothing when it can.
std::optional<std::string> X11DisplayProblem();

}  // namespace quorvane
