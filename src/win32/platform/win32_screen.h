// The primary screen's size and resolution as the drawing code sees them, from GDI.
#pragma once

#include <windows.h>

#include "core/platform/screen_metrics.h"

namespace quorvane {

ScreenMetrics PrimaryScreenMetrics();

// The window procedure's object: stored at WM_NCCREATE from the creation parameter, read back for
// every later message. Null before WM_NCCREATE.
template <typename Window>
Window* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace quorvane
