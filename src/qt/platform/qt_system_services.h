// The few services of the system the program uses, behind a header free of Qt and Xlib.
//
// Implemented on X11 and Qt: the cursor position, the locale's country, the search for a
// top-level window by its title, the folder of the executable and opening a web page. The
// screen-saver activity switch is a no-op: X11 has no such per-user system setting.
#pragma once

#include <string>
#include <string_view>
#include "core/platform/system_services.h"

namespace quorvane {

// Cursor position in screen pixels; needs the application object.
CursorPoint GetCursorPos();

// The English name of the system locale's country ("Japan", "United States").
std::string SystemCountryName();

// True when a window titled exactly `title` exists anywhere on the X display, with or without a
// window manager. False when there is no display.
bool TopLevelWindowExists(std::string_view title);

// The folder holding the running executable.
std::string ExecutableFolder();

// Asks the desktop to open the page; false when it could not.
bool OpenWebPage(std::string_view url);

// Ends the process immediately: no further handler of any window runs.
[[noreturn]] void EndProgramAtOnce();

// The system's "screen saver active" switch. X11 has none, so this does nothing.
void SetScreenSaverActive(bool active);

}  // namespace quorvane
