// The entry point of Quorvane.scr: wires the system services, runs the start-up sequence on the
// host's command line and shows the one window it chose, or ends with its status and message.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "core/startup/start_up.h"
#include "win32/orrery/frm_main.h"
#include "win32/platform/wide_text.h"
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

HWND ToHandle(std::int32_t handle) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(handle));
}

// Runs until the window posts WM_QUIT; `preTranslate` sees each message first.
template <typename PreTranslate>
int RunMessageLoop(PreTranslate preTranslate) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!preTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}

int RunMessageLoop() {
  return RunMessageLoop([](MSG&) { return false; });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Lives as long as the process: it holds the instance lock and the settings store.
  Win32SystemServices services;
  const std::string argumentText = CommandLineArgumentText();
  StartPlan plan = StartUp(argumentText, services);
  if (!plan.message.empty()) {
    // A GUI program has no console to write to.
    MessageBoxW(nullptr, Widen(plan.message).c_str(), L"Quorvane", MB_OK | MB_ICONERROR);
  }
  switch (plan.mode) {
    case StartMode::FullScreen: {
      frmMain form(plan.modPublic);
      form.Show();
      return RunMessageLoop();
    }
    case StartMode::Settings: {
      // An owner the host names but that is gone leaves the dialog unowned, centred on screen.
      const HWND owner = ToHandle(DialogOwnerHandle(argumentText));
      frmConfig form(plan.modPublic, services.Store(), IsWindow(owner) ? owner : nullptr);
      form.Show();
      return RunMessageLoop([&form](MSG& message) { return form.PreTranslate(message); });
    }
    case StartMode::Preview: {
      // A pane that is already gone ends the preview at once.
      frmPrev form(plan.modPublic, ToHandle(plan.parentHandle));
      return form.Handle() != nullptr ? RunMessageLoop() : 0;
    }
    case StartMode::None:
      break;
  }
  return plan.exitStatus;
}
