// The entry point: refuses to start beside an open full-screen window or settings dialog, prepares
// the shared values and shows the one window the command line asks for.
#include <QStringList>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/startup/command_line.h"
#include "core/startup/mod_public.h"
#include "qt/orrery/hosted_orrery.h"
#include "qt/orrery/show_frm_main.h"
#include "qt/platform/application.h"
#include "qt/platform/ini_settings_store.h"
#include "qt/platform/qt_system_services.h"
#include "qt/preview/show_frm_prev.h"
#include "qt/settings_dialog/show_frm_config.h"
#include "qt/startup/command_line_options.h"

namespace {

using namespace quorvane;

int Main(int argc, char** argv, const CommandLineOptions& options) {
  // Both searches are always made. A host's window is no instance of its own: it may run one
  // saver per monitor, and beside a full-screen run or the dialog.
  const bool fullScreenOpen = !options.hosted && TopLevelWindowExists(MainTitle);
  const bool dialogOpen = !options.hosted && TopLevelWindowExists(kConfigTitle);
  if (fullScreenOpen || dialogOpen) {
    return 0;
  }
  const std::string& argumentText = options.argumentText;

  ModPublic modPublic;
  std::mt19937_64 generator(
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  modPublic.Rnd = [&generator] { return std::generate_canonical<double, 53>(generator); };

  const StartDecision decision = DecideStart(argumentText);

  modPublic.Pi = 4 * std::atan(1.0);

  IniSettingsStore store;
  WriteVersionInfo(store, ExecutableFolder());
  modPublic.settings = LoadSettings(store, SystemCountryName());
  InitBodies(modPublic.Bodies);

  if (options.hosted) {
    ApplyOptions(options, modPublic.settings);
    Application application(argc, argv);
    ShowHostedOrrery(modPublic, options.hostWindow);
    return application.Exec();
  }
  switch (decision.mode) {
    case StartMode::FullScreen: {
      Application application(argc, argv);
      ShowFrmMain(modPublic);
      return application.Exec();
    }
    case StartMode::Settings: {
      Application application(argc, argv);
      ShowFrmConfig(modPublic, store);
      return application.Exec();
    }
    case StartMode::Preview: {
      if (decision.handleOverflow) {
        std::fprintf(stderr,
                     "quorvane: overflow: the preview window handle in \"%s\" is out of range\n",
                     argumentText.c_str());
        return 2;
      }
      Application::PreferSocketImageTransfer();
      Application application(argc, argv);
      ShowFrmPrev(modPublic, decision.parentHandle);
      return application.Exec();
    }
    case StartMode::None:
      break;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  const char* saverWindow = std::getenv("XSCREENSAVER_WINDOW");
  const CommandLineOptions options = ReadCommandLine(
      arguments,
      saverWindow != nullptr ? std::optional(QString::fromLocal8Bit(saverWindow)) : std::nullopt);
  switch (options.action) {
    case CommandLineOptions::Action::PrintHelp:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case CommandLineOptions::Action::PrintVersion:
      std::puts(VersionLine().c_str());
      return 0;
    case CommandLineOptions::Action::Fail:
      std::fprintf(stderr, "quorvane: %s\nTry 'quorvane --help' for the options.\n",
                   options.error.c_str());
      return 2;
    case CommandLineOptions::Action::Start:
      break;
  }
  return Main(argc, argv, options);
}
