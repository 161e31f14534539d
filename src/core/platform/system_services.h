// What the core asks of the system around it, free of any window system: the services the start-up
// sequence uses (window search, program folder, country, settings store, environment, instance
// lock, display) and the cursor position the full-screen scene polls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/settings_store.h"

namespace quorvane {

// A mouse cursor position in screen pixels.
struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// How a start takes the per-user instance lock.
enum class InstanceLock {
  // Held until the process ends: the full-screen window and the settings dialog.
  Exclusive,
  // Only checks that no exclusive holder runs, and lets go at once: previews never block each
  // other nor a later full-screen run.
  Probe,
};

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // True when a top-level window titled exactly `title` exists.
  virtual bool TopLevelWindowExists(std::string_view title) = 0;
  // The full path of the folder that holds the program file.
  virtual std::string ExecutableFolder() = 0;
  // The English name of the system's country, in any letter case ("Japan").
  virtual std::string SystemCountryName() = 0;
  // The per-user settings store; first asked for after the single-instance checks.
  virtual SettingsStore& Store() = 0;
  // The value of an environment variable; nothing when it is not set.
  virtual std::optional<std::string> EnvironmentVariable(std::string_view name) = 0;
  // False when another instance holds the lock against this kind of start. A lock that cannot be
  // made at all does not keep the program from starting.
  virtual bool AcquireInstanceLock(InstanceLock kind) = 0;
  // Why no window can be shown (for instance no display to open); nothing when one can.
  virtual std::optional<std::string> DisplayProblem() = 0;
  // Why the settings dialog and the preview cannot be drawn on a display that opens (one with
  // fewer colours than their toolkit draws with, say), although the full-screen scene can;
  // nothing when they can. Front ends that draw all windows alike have no such problem.
  virtual std::optional<std::string> DialogDisplayProblem() { return std::nullopt; }
};

}  // namespace quorvane
