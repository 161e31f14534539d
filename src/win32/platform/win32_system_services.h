// The few services of the system the program uses, on Win32.
//
// Implements: the search for a top-level window by title (FindWindowW), the per-user instance
// lock (a named mutex in the session's namespace), the system's country (GetLocaleInfoW), the
// program's folder (GetModuleFileNameW), the registry store, the environment, the cursor
// position, opening a web page (ShellExecuteW) and the system's "screen saver running" switch.
// There is always a display to show windows on, so the display check never fails.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/system_services.h"
#include "win32/platform/registry_settings_store.h"

namespace quorvane {

class Win32SystemServices final : public SystemServices {
 public:
  bool TopLevelWindowExists(std::string_view title) override;
  std::string ExecutableFolder() override;
  std::string SystemCountryName() override;
  SettingsStore& Store() override { return store_; }
  std::optional<std::string> EnvironmentVariable(std::string_view name) override;
  bool AcquireInstanceLock(InstanceLock kind) override;
  std::optional<std::string> DisplayProblem() override { return std::nullopt; }

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
