// The few services of the system the program uses, behind a header free of Xlib.
//
// Implemented on X11, Qt and POSIX: the start-up's services (the search for a top-level window by
// its title, the folder of the executable, the locale's country, the INI settings store, the
// environment, the per-user instance lock and the display check), the cursor position and opening
// a web page. The screen-saver activity switch is a no-op: X11 has no such per-user system
// setting. The display check knows X11 only; under another Qt platform (QT_QPA_PLATFORM) it passes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/system_services.h"
#include "qt/platform/ini_settings_store.h"
#include "qt/platform/instance_lock_file.h"

namespace quorvane {

class QtSystemServices : public SystemServices {
 public:
  bool TopLevelWindowExists(std::string_view title) override;
  std::string ExecutableFolder() override;
  std::string SystemCountryName() override;
  // The user's own INI file, opened on first use.
  SettingsStore& Store() override;
  std::optional<std::string> EnvironmentVariable(std::string_view name) override;
  bool AcquireInstanceLock(InstanceLock kind) override;
  std::optional<std::string> DisplayProblem() override;
  std::optional<std::string> DialogDisplayProblem() override;

 private:
  std::optional<IniSettingsStore> store_;
  InstanceLockFile lock_;
};

// Cursor position in screen pixels; needs the application object.
CursorPoint GetCursorPos();

// Asks the desktop to open the page; false when it could not.
bool OpenWebPage(std::string_view url);

// Ends the process immediately: no further handler of any window runs.
[[noreturn]] void EndProgramAtOnce();

// The system's "screen saver active" switch. X11 has none, so this does nothing.
void SetScreenSaverActive(bool active);

}  // namespace quorvane
