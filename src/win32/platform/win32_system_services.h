// The few services of the system the program uses, on Win32.
//
// Implements: the search for a top-level window by title (FindWindowW), the per-user instance
// lock (a named mutex in the session's namespace), the system's country (GetLocaleInfoEx), the
// program's folder (GetModuleFileNameW), the registry store, the environment, the cursor
// position, opening a web page (ShellExecuteW) and the system's "screen saver running" switch.
// There is always a display to show windows on, so no display check fails.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/system_services.h"
#include "win32/platform/registry_settings_store.h"

namespace quorvane {

class Win32SystemServices {
 public:
  bool TopLevelWindowExists(std::string_view title);
  std::string ExecutableFolder();
  std::string SystemCountryName();
  SettingsStore& Store() { return store_; }
  std::optional<std::string> EnvironmentVariable(std::string_view name);
  // Exclusive: held for the life of the process. Probe: true when no exclusive holder runs.
  bool AcquireInstanceLock(bool exclusive);

 private:
  RegistrySettingsStore store_;
};

// Cursor position in screen pixels.
CursorPoint CursorPosition();

// Asks the shell to open the page, owned by `owner`; the result is not examined.
void OpenWebPage(HWND owner, std::string_view url);

// Tells the system whether a screen saver runs, so it does not start another on top.
void SetScreenSaverRunning(bool running);

// Ends the process immediately: no further handler of any window runs.
[[noreturn]] void EndProgramAtOnce();

}  // namespace quorvane
