// The entry point: wires the system services, runs the start-up sequence and shows the one window
// it chose, or ends with its status and message.
#include <cstdio>
#include <string>
#include <vector>

#include "core/startup/start_up.h"
#include "qt/orrery/show_frm_main.h"
#include "qt/platform/application.h"
#include "qt/platform/qt_system_services.h"
#include "qt/preview/show_frm_prev.h"
#include "qt/settings_dialog/show_frm_config.h"

int main(int argc, char** argv) {
  using namespace quorvane;
  // Lives as long as the process: it holds the instance lock and the settings store.
  QtSystemServices services;
  const std::string argumentText = ArgumentText(std::vector<std::string>(argv + 1, argv + argc));
  StartPlan plan = StartUp(argumentText, services);
  if (!plan.message.empty()) {
    std::fprintf(stderr, "%s\n", plan.message.c_str());
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
