// The display check, on Xlib: Qt's own attempt to open a missing display aborts the process.
#include "qt/platform/x11_display.h"

#include <X11/Xlib.h>

namespace quorvane {

std::optional<std::string> X11DisplayProblem() {
  if (Display* display = XOpenDisplay(nullptr)) {
    XCloseDisplay(display);
    return std::nullopt;
  }
  const std::string name = XDisplayName(nullptr);
  if (name.empty()) {
    return "cannot open display: DISPLAY is not set";
  }
  return "cannot open display \"" + name + "\"";
}

}  // namespace quorvane
