#include "wayland/startup/session_platform.h"

#include <cstdlib>
#include <string_view>

namespace quorvane::wayland {

namespace {

bool IsSet(const std::optional<std::string>& value) {
  return value.has_value() && !value->empty();
}

bool StartsWith(const std::optional<std::string>& value, std::string_view prefix) {
  return IsSet(value) && std::string_view(*value).substr(0, prefix.size()) == prefix;
}

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

SessionPlatform ChooseSessionPlatform(const SessionEnvironment& environment, bool needsX11Window) {
  // Qt's platform named explicitly, other than Wayland, keeps the Qt front end as it was.
  if (IsSet(environment.qtPlatform) && !StartsWith(environment.qtPlatform, "wayland")) {
    return SessionPlatform::X11;
  }
  if (!IsSet(environment.waylandDisplay)) {
    return SessionPlatform::X11;
  }
  if (!needsX11Window) {
    return SessionPlatform::Wayland;
  }
  return IsSet(environment.x11Display) ? SessionPlatform::X11ThroughXWayland
                                       : SessionPlatform::NoX11Display;
}

SessionEnvironment ProcessEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("WAYLAND_DISPLAY"), Variable("DISPLAY")};
}

std::string NoX11DisplayMessage() {
  return "the preview (/p), --root and --window-id draw into X11 windows, and this Wayland "
         "session has no X display (DISPLAY is not set)";
}

}  // namespace quorvane::wayland
