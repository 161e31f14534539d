#include "wayland/startup/run_on_wayland.h"

#include <QByteArray>
#include <cstdio>

#include "core/startup/start_up.h"
#include "qt/platform/application.h"
#include "qt/settings_dialog/show_frm_config.h"
#include "wayland/orrery/show_frm_main.h"
#include "wayland/platform/wayland_system_services.h"
#include "wayland/startup/session_platform.h"

namespace quorvane::wayland {

namespace {

// As for a wrong option: the command cannot be served here, whatever is installed.
constexpr int kRefusedStatus = 2;

}  // namespace

std::optional<int> RunOnWaylandSession(int& argc, char** argv, const CommandLineOptions& options) {
  const bool needsX11Window =
      options.hosted || DecideStart(options.argumentText).mode == StartMode::Preview;
  switch (ChooseSessionPlatform(ProcessEnvironment(), needsX11Window)) {
    case SessionPlatform::X11:
      return std::nullopt;
    case SessionPlatform::X11ThroughXWayland:
      qputenv("QT_QPA_PLATFORM", "xcb");
      return std::nullopt;
    case SessionPlatform::NoX11Display:
      std::fprintf(stderr, "quorvane: %s\n", NoX11DisplayMessage().c_str());
      return kRefusedStatus;
    case SessionPlatform::Wayland:
      break;
  }

  // Lives as long as the process: it holds the instance lock and the settings store.
  WaylandSystemServices services;
  StartPlan plan = StartUp(options.argumentText, services);
  if (!plan.message.empty()) {
    std::fprintf(stderr, "%s\n", plan.message.c_str());
  }
  // Settings given with /s replace the stored ones for this run.
  ApplyOptions(options, plan.modPublic.settings);
  switch (plan.mode) {
    case StartMode::FullScreen:
      return RunFrmMain(argc, argv, plan.modPublic);
    case StartMode::Settings: {
      Application application(argc, argv);
      ShowFrmConfig(plan.modPublic, services.Store());
      return application.Exec();
    }
    case StartMode::Preview:
    case StartMode::None:
      break;
  }
  return plan.exitStatus;
}

}  // namespace quorvane::wayland
