// Which front end a start on Linux takes, from the session's environment.
#include "wayland/startup/session_platform.h"

#include <gtest/gtest.h>

namespace quorvane::wayland {
namespace {

struct Case {
  const char* what;
  SessionEnvironment environment;
  bool needsX11Window;
  SessionPlatform expected;
};

TEST(SessionPlatformTest, ChoosesByEnvironmentAndContract) {
  const std::optional<std::string> none;
  const Case cases[] = {
      {"plain X11", {none, none, ":0"}, false, SessionPlatform::X11},
      {"plain X11 preview", {none, none, ":0"}, true, SessionPlatform::X11},
      {"Wayland", {none, "wayland-1", none}, false, SessionPlatform::Wayland},
      {"Wayland with XWayland", {none, "wayland-1", ":0"}, false, SessionPlatform::Wayland},
      {"Qt's Wayland platform asked for",
       {"wayland", "wayland-1", ":0"},
       false,
       SessionPlatform::Wayland},
      {"xcb asked for on Wayland", {"xcb", "wayland-1", ":0"}, false, SessionPlatform::X11},
      {"xcb with options", {"xcb:nomitshm", "wayland-1", ":0"}, true, SessionPlatform::X11},
      {"offscreen (tests) on Wayland",
       {"offscreen", "wayland-1", none},
       false,
       SessionPlatform::X11},
      {"empty variables count as unset", {"", "", ""}, false, SessionPlatform::X11},
      {"preview through XWayland",
       {none, "wayland-1", ":0"},
       true,
       SessionPlatform::X11ThroughXWayland},
      {"preview on Wayland only", {none, "wayland-1", none}, true, SessionPlatform::NoX11Display},
      {"preview, empty DISPLAY", {none, "wayland-1", ""}, true, SessionPlatform::NoX11Display},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(ChooseSessionPlatform(test.environment, test.needsX11Window), test.expected)
        << test.what;
  }
}

}  // namespace
}  // namespace quorvane::wayland
