// The entry point: reads the command line, wires the system services, runs the start-up sequence
// and shows the one window it chose, or ends with its status and message.
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/startup/start_up.h"
#include "qt/orrery/hosted_orrery.h"
#include "qt/orrery/show_frm_main.h"
#include "qt/platform/application.h"
#include "qt/platform/qt_system_services.h"
#include "qt/preview/show_frm_prev.h"
#include "qt/settings_dialog/show_frm_config.h"
#include "qt/startup/command_line_options.h"
#ifdef QUORVANE_WITH_WAYLAND
#include "wayland/startup/run_on_wayland.h"
#endif

int main(int argc, char** argv) {
  using namespace quorvane;
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  const char* saverWindow = std::getenv("XSCREENSAVER_WINDOW");
  const CommandLineOptions options = ReadCommandLine(
      arguments,
      saverWindow != nullptr ? std::optional(QString::fromLocal8Bit(saverWindow)) : std::nullopt);
  // Answered before any service exists: no display, no lock, no settings written.
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
    case CommandLineOptions::Action::Snapshot: {
      Settings settings;
      ApplyOptions(options, settings);
      return WriteSnapshot(argc, argv, options.snapshot, settings);
    }
    case CommandLineOptions::Action::Start:
      break;
  }
#ifdef QUORVANE_WITH_WAYLAND
  // A Wayland session's starts end there, and so do those only X11 can serve when it has none.
  if (const std::optional<int> status = wayland::RunOnWaylandSession(argc, argv, options)) {
    return *status;
  }
#endif

  // Lives as long as the process: it holds the instance lock and the settings store.
  QtSystemServices services;
  StartPlan plan =
      options.hosted ? StartUpHosted(services) : StartUp(options.argumentText, services);
  if (!plan.message.empty()) {
    std::fprintf(stderr, "%s\n", plan.message.c_str());
  }
  // Only the full-screen orrery, hosted or not, ever gets settings from the command line.
  ApplyOptions(options, plan.modPublic.settings);
  if (options.hosted && plan.mode != StartMode::None) {
    Application application(argc, argv);
    ShowHostedOrrery(plan.modPublic, options.hostWindow);
    return application.Exec();
  }
  switch (plan.mode) {
    case StartMode::FullScreen: {
      Application application(argc, argv);
      ShowFrmMain(plan.modPublic);
      return application.Exec();
    }
    case StartMode::Settings: {
      Application application(argc, argv);
      ShowFrmConfig(plan.modPublic, services.Store());
      return application.Exec();
    }
    case StartMode::Preview: {
      Application::PreferSocketImageTransfer();
      Application application(argc, argv);
      ShowFrmPrev(plan.modPublic, plan.parentHandle);
      return application.Exec();
    }
    case StartMode::None:
      break;
  }
  return plan.exitStatus;
}
