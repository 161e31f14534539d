// The window procedure every window class of the program registers: the window's object is
// stored at WM_NCCREATE from the creation parameter, and from then on receives each message
// itself, together with the window's handle (which it learns before CreateWindowExW returns).
#pragma once

#include <windows.h>

namespace quorvane {

template <typename Window>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (object == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return object->Receive(window, message, wParam, lParam);
}

}  // namespace quorvane
