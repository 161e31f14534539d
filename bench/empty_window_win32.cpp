// The floor for start-up timing under Wine: an empty full-screen Win32 window, black with the
// Sun's orange at its centre as Quorvane's first picture has it; any key ends it.
#include <windows.h>

namespace {

LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area{};
      GetClientRect(window, &area);
      FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      const RECT centre{area.right / 2 - 5, area.bottom / 2 - 5, area.right / 2 + 5,
                        area.bottom / 2 + 5};
      HBRUSH sun = CreateSolidBrush(RGB(255, 96, 0));
      FillRect(dc, &centre, sun);
      DeleteObject(sun);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Receive;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"EmptyWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"EmptyWindow", L"Empty",
                                WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  return 0;
}
