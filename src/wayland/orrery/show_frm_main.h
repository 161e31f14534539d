// Runs the full-screen saver on the Wayland compositor of the session until it ends.
#pragma once

#include "core/startup/mod_public.h"

namespace quorvane::wayland {

// A test hook: when set, the layer shell is not used even where the compositor offers it, so
// the full-screen toplevels that other compositors get can be tested on one that has both.
inline constexpr char kNoLayerShellVariable[] = "QUORVANE_TEST_NO_LAYER_SHELL";

// Shows the saver and runs the event loop; returns the exit status. Qt runs on its offscreen
// platform, for fonts and timers only: the pictures go to the compositor through wayland-client.
int RunFrmMain(int& argc, char** argv, ModPublic& modPublic);

}  // namespace quorvane::wayland
