// A stand-in for the screen-saver settings in the dialog tests: it shows an owner window at the
// place given, starts Quorvane.scr (beside this program) with "/c:" and the owner's handle,
// reports where the dialog opened and the work area of the owner's monitor, then closes the
// dialog and waits for the program to end.
//
//   dialog_host <left> <top> <width> <height>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "stand_in_host.h"

using quorvane::testing::PumpMessages;
using quorvane::testing::StartQuorvane;

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: dialog_host <left> <top> <width> <height>\n");
    return 2;
  }
  HWND owner = CreateWindowExW(0, L"STATIC", L"Dialog owner", WS_POPUP | WS_BORDER | WS_VISIBLE,
                               std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                               std::atoi(argv[4]), nullptr, nullptr, nullptr, nullptr);
  PROCESS_INFORMATION process{};
  if (!StartQuorvane(L"/c:" + std::to_wstring(reinterpret_cast<INT_PTR>(owner)), process)) {
    std::fprintf(stderr, "cannot start Quorvane.scr\n");
    return 2;
  }
  HWND dialog = nullptr;
  for (int i = 0; i < 1000 && (dialog == nullptr || !IsWindowVisible(dialog)); ++i) {
    PumpMessages();
    dialog = FindWindowW(L"QuorvaneConfig", nullptr);
    Sleep(10);
  }
  if (dialog == nullptr) {
    std::printf("no dialog\n");
    TerminateProcess(process.hProcess, 1);
    return 1;
  }
  RECT box{};
  GetWindowRect(dialog, &box);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  std::printf("dialog %ld %ld %ld %ld work %ld %ld %ld %ld\n", box.left, box.top, box.right,
              box.bottom, work.left, work.top, work.right, work.bottom);
  std::fflush(stdout);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 10000, QS_ALLINPUT) !=
         WAIT_OBJECT_0) {
    PumpMessages();
  }
  return 0;
}
