#include "win32/orrery/frm_main.h"

#include <cmath>
#include <vector>

#include "core/platform/tick_interval.h"
#include "win32/orrery/orrery_canvas.h"
#include "win32/platform/gdi_blit.h"
#include "win32/platform/wide_text.h"
#include "win32/platform/win32_screen.h"
#include "win32/platform/win32_system_services.h"
#include "win32/platform/window_procedure.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QuorvaneMain";
constexpr UINT_PTR kTimer1 = 1;

// EnumDisplayMonitors' callback: adds the monitor's area to the list.
BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& r = info.rcMonitor;
    reinterpret_cast<std::vector<MonitorArea>*>(monitors)->push_back(
        {{r.left, r.top, r.right - r.left, r.bottom - r.top},
         (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

FullScreenLayout MonitorLayout() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    monitors.push_back(
        {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, true});
  }
  return LayOutFullScreen(monitors);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

frmMain::frmMain(ModPublic& modPublic)
    : pixelRatio_(PrimaryPixelRatio()),
      layout_(MonitorLayout()),
      screen_(LogicalScreen(layout_.orrery.width, layout_.orrery.height, pixelRatio_)),
      canvas_(MakeOrreryCanvas(InDevicePixels(screen_, pixelRatio_))),
      scene_(modPublic, canvas_, screen_, *this) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, &WindowProcedure<frmMain>);
  // A tool window stays out of the taskbar; topmost keeps it over every other window.
  const PixelRect& area = layout_.window;
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, Widen(MainTitle).c_str(),
                            WS_POPUP, area.left, area.top, area.width, area.height, nullptr,
                            nullptr, instance, this);
  Form_Load();
}

void frmMain::Show() {
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(window_);  // the keys come here: the window itself is the key preview
  UpdateWindow(window_);
}

void frmMain::Form_Load() {
  scene_.Load();
  scene_.DrawFirstFrames();
  canvas_.TakeDirtyRegion();  // the first paint shows the whole canvas
}

void frmMain::Timer1_Timer() {
  scene_.Tick();
  HDC dc = GetDC(window_);
  BlitCanvas(dc, canvas_, canvas_.TakeDirtyRegion(), layout_.orrery.left, layout_.orrery.top);
  ReleaseDC(window_, dc);
}

void frmMain::Form_Unload() {
  scene_.Unload();
}

void frmMain::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const RECT& r = paint.rcPaint;
  const PixelRect damaged = PixelRect::FromCorners(r.left, r.top, r.right - 1, r.bottom - 1);
  for (const PixelRect& black : layout_.black) {
    const PixelRect part = PixelRect::Intersected(black, damaged);
    if (!part.IsEmpty()) {
      const RECT fill{part.left, part.top, part.left + part.width, part.top + part.height};
      FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
  }
  const PixelRect& orrery = layout_.orrery;
  BlitCanvas(dc, canvas_, {damaged.Translated(-orrery.left, -orrery.top)}, orrery.left, orrery.top);
  EndPaint(window_, &paint);
}

LRESULT frmMain::Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  window_ = window;  // messages arrive before CreateWindowExW returns the handle
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1) {
        Timer1_Timer();
      }
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      EndProgramAtOnce();
    case WM_SETCURSOR:
      SetCursor(nullptr);  // no pointer over the window
      return TRUE;
    case WM_ERASEBKGND:
      return 1;  // every pixel comes from the paint
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      Form_Unload();
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

CursorPoint frmMain::CursorPosition() {
  // In logical pixels, as the scene measures a mouse movement at any scale.
  const CursorPoint device = quorvane::CursorPosition();
  return {static_cast<std::int32_t>(std::lround(device.x / pixelRatio_)),
          static_cast<std::int32_t>(std::lround(device.y / pixelRatio_))};
}

void frmMain::EndProgram() {
  EndProgramAtOnce();
}

void frmMain::SetScreenSaverActive(bool active) {
  SetScreenSaverRunning(active);
}

void frmMain::SetTimerEnabled(bool enabled) {
  if (enabled) {
    SetTimer(window_, kTimer1, static_cast<UINT>(kTickInterval.count()), nullptr);
  } else {
    KillTimer(window_, kTimer1);
  }
}

}  // namespace quorvane
