// A stand-in for the screen-saver host in the preview tests: it owns a pane window, starts
// Quorvane.scr (beside this program) with the command line given, its "%d" replaced by the pane's
// handle, reports where the preview's child window sits, then destroys the pane and reports how
// long the preview process took to end.
//
//   preview_host "/p %d"         the pane exists
//   preview_host "/p %d" gone    the pane is destroyed before the preview starts
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "stand_in_host.h"

namespace {

using quorvane::testing::PumpMessages;

constexpr DWORD kHangBound = 10000;  // ms: a preview still running then has hung

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: preview_host \"/p %%d\" [gone]\n");
    return 2;
  }
  const bool gone = argc > 2 && std::string(argv[2]) == "gone";
  HWND pane = CreateWindowExW(0, L"STATIC", L"Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                              50, 300, 250, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  char arguments[64];
  std::snprintf(arguments, sizeof arguments, argv[1],
                static_cast<int>(reinterpret_cast<INT_PTR>(pane)));
  if (gone) {
    DestroyWindow(pane);
  }
  std::wstring commandLine;
  for (const char* c = arguments; *c != '\0'; ++c) {
    commandLine += static_cast<wchar_t>(*c);
  }
  PROCESS_INFORMATION process{};
  if (!quorvane::testing::StartQuorvane(commandLine, process)) {
    std::fprintf(stderr, "cannot start Quorvane.scr\n");
    return 2;
  }
  if (!gone) {
    HWND preview = nullptr;
    const auto start = std::chrono::steady_clock::now();
    while (preview == nullptr &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
      PumpMessages();
      preview = FindWindowExW(pane, nullptr, L"QuorvanePreview", nullptr);
      // The preview is sized by its load step and shown after it: judge it only once shown.
      if (preview != nullptr && !IsWindowVisible(preview)) {
        preview = nullptr;
      }
      Sleep(10);
    }
    if (preview == nullptr) {
      std::printf("no child\n");
    } else {
      RECT box{};
      GetWindowRect(preview, &box);
      MapWindowPoints(nullptr, pane, reinterpret_cast<POINT*>(&box), 2);
      const bool child = (GetWindowLongW(preview, GWL_STYLE) & WS_CHILD) != 0;
      std::printf("child %s at %ld,%ld size %ldx%ld\n", child ? "yes" : "no", box.left, box.top,
                  box.right - box.left, box.bottom - box.top);
    }
    std::fflush(stdout);
    DestroyWindow(pane);
  }
  const auto destroyed = std::chrono::steady_clock::now();
  // Messages keep flowing meanwhile: the preview may still send some to its pane.
  DWORD wait = WAIT_TIMEOUT;
  while (std::chrono::steady_clock::now() - destroyed < std::chrono::milliseconds(kHangBound)) {
    wait = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0) {
      break;
    }
    PumpMessages();
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - destroyed);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  if (wait != WAIT_OBJECT_0) {
    std::printf("still running\n");
    TerminateProcess(process.hProcess, 1);
    return 1;
  }
  std::printf("ended after %lld ms with status %lu\n", static_cast<long long>(elapsed.count()),
              status);
  return 0;
}
