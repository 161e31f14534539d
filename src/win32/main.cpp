// The entry point of Quorvane.scr: refuses to start beside an open full-screen window or settings
// dialog, prepares the shared values and shows the one window the host's command line asks for.
#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/startup/command_line.h"
#include "core/startup/mod_public.h"
#include "core/startup/number_text.h"
#include "win32/orrery/frm_main.h"
#include "win32/platform/wide_text.h"
#include "win32/platform/win32_screen.h"
#include "win32/platform/win32_system_services.h"
#include "win32/preview/frm_prev.h"
#include "win32/settings_dialog/frm_config.h"

namespace {

using namespace quorvane;

// The arguments after the program's path, as the host passed them.
std::string CommandLineArgumentText() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> texts;
  for (int i = 1; i < count; ++i) {
    texts.push_back(Narrow(arguments[i]));
  }
  LocalFree(arguments);
  return ArgumentText(texts);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

int Main() {
  Win32SystemServices services;
  // Both searches are always made.
  const bool fullScreenOpen = services.TopLevelWindowExists(MainTitle);
  const bool dialogOpen = services.TopLevelWindowExists(kConfigTitle);
  if (fullScreenOpen || dialogOpen) {
    return 0;
  }

  const std::string argumentText = HostArgumentText(CommandLineArgumentText());
  const StartDecision decision = DecideStart(argumentText);
  if (decision.mode != StartMode::None &&
      !services.AcquireInstanceLock(decision.mode != StartMode::Preview)) {
    return 0;
  }

  ModPublic modPublic;
  std::uint64_t seed =
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  if (const auto testSeed = services.EnvironmentVariable("QUORVANE_TEST_SEED")) {
    seed = static_cast<std::uint64_t>(std::stoull(*testSeed));
  }
  std::mt19937_64 generator(seed);
  modPublic.Rnd = [&generator] { return std::generate_canonical<double, 53>(generator); };
  modPublic.Pi = 4 * std::atan(1.0);

  WriteVersionInfo(services.Store(), services.ExecutableFolder());
  modPublic.settings = LoadSettings(services.Store(), services.SystemCountryName());
  InitBodies(modPublic.Bodies);

  switch (decision.mode) {
    case StartMode::FullScreen: {
      frmMain form(modPublic, PrimaryScreenMetrics());
      form.Show();
      return RunMessageLoop();
    }
    case StartMode::Preview: {
      if (decision.handleOverflow) {
        return 0;
      }
      // A handle that names no window: the host's pane is already gone.
      const auto parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(decision.parentHandle));
      frmPrev form(modPublic, parent);
      if (form.Handle() == nullptr) {
        return 0;
      }
      return RunMessageLoop();
    }
    case StartMode::Settings: {
      // An owner the host names but that is gone leaves the dialog unowned, centred on screen.
      HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(DialogOwnerHandle(argumentText)));
      frmConfig form(modPublic, services.Store(), IsWindow(owner) ? owner : nullptr);
      form.Show();
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!form.PreTranslate(message)) {
          TranslateMessage(&message);
          DispatchMessageW(&message);
        }
      }
      return 0;
    }
    case StartMode::None:
      break;
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return Main();
}
