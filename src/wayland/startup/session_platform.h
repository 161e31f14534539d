// Which window system a start on Linux talks to, from the session's environment: a Wayland
// session gets the Wayland front end, an X11 session (or Qt's platform forced to xcb) the X11
// one, and what only exists on X11 (a preview in a host's window, drawing into a window by id)
// goes to X11 through XWayland where there is one.
#pragma once

#include <optional>
#include <string>

namespace quorvane::wayland {

// The variables that decide; nothing when unset.
struct SessionEnvironment {
  std::optional<std::string> qtPlatform;      // QT_QPA_PLATFORM
  std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
  std::optional<std::string> x11Display;      // DISPLAY
};

enum class SessionPlatform {
  // The X11 front end on whatever platform Qt picks: an X11 session, xcb asked for, or another
  // Qt platform named explicitly (offscreen, for instance).
  X11,
  // The X11 front end on Qt's xcb platform, through XWayland, for an X11 window contract.
  X11ThroughXWayland,
  // The Wayland front end for the full-screen saver, Qt's Wayland platform for the dialog.
  Wayland,
  // An X11 window contract on a Wayland session without an X display: one line, status 2.
  NoX11Display,
};

// `needsX11Window`: the start draws into a window named by another program (the preview, --root,
// --window-id), which only X11 can give.
SessionPlatform ChooseSessionPlatform(const SessionEnvironment& environment, bool needsX11Window);

// The variables of this process.
SessionEnvironment ProcessEnvironment();

// The line for NoX11Display, without the program's name.
std::string NoX11DisplayMessage();

}  // namespace quorvane::wayland
