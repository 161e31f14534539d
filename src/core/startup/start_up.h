// The start-up sequence every front end runs before it shows a window: the single-instance
// checks, the seeding, the mode, Pi, the version record, the settings and the body table, and
// the choice of the one window to show or of the reason to end at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/system_services.h"
#include "core/startup/command_line.h"
#include "core/startup/mod_public.h"

namespace quorvane {

// A test hook: when it holds a number, the random start angles are drawn from a generator
// seeded with it instead of the clock, so screenshots can be compared pixel for pixel.
inline constexpr std::string_view kTestSeedVariable = "QUORVANE_TEST_SEED";

struct StartPlan {
  StartMode mode = StartMode::None;  // the window to show; None: end with exitStatus
  std::int32_t parentHandle = 0;     // the preview's host window
  ModPublic modPublic;               // filled when a window is to be shown
  int exitStatus = 0;
  std::string message;  // one line for standard error; empty when the end is silent
};

// Runs the start-up steps for the argument text (the command line without the program's path).
// Nothing is written to the store when another instance runs or no window can be shown.
StartPlan StartUp(std::string_view argumentText, SystemServices& services);

// The start-up of the full-screen scene drawn into a host's window (xscreensaver's --root): the
// same steps without the single-instance checks and lock, as a host may run one per monitor
// beside a full-screen run or the dialog.
StartPlan StartUpHosted(SystemServices& services);

// The shared values of a start that reads and writes no store, such as a snapshot: Pi, the
// default settings, the body table, and start angles drawn from a generator seeded with `seed`.
ModPublic DefaultSharedValues(std::uint64_t seed);

}  // namespace quorvane
