#include "win32/orrery/frm_main.h"

#include <memory>

#include "core/platform/font_names.h"
#include "core/platform/tick_interval.h"
#include "win32/platform/gdi_blit.h"
#include "win32/platform/gdi_fonts.h"
#include "win32/platform/gdi_glyph_source.h"
#include "win32/platform/wide_text.h"
#include "win32/platform/win32_screen.h"
#include "win32/platform/win32_system_services.h"
#include "win32/platform/window_procedure.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QuorvaneMain";
constexpr UINT_PTR kTimer1 = 1;

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
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

frmMain::frmMain(ModPublic& modPublic, const ScreenMetrics& screen)
    : screen_(screen),
      virtualScreen_(VirtualScreen()),
      canvas_(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), screen.TwipsPerPixelX,
              screen.TwipsPerPixelY, kBlack,
              std::make_unique<GdiGlyphSource>(CreateUiFont(
                  kUiGothic, 11.25, FW_BOLD, SHIFTJIS_CHARSET, screen.TwipsPerPixelY))),
      scene_(modPublic, canvas_, screen_, *this) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, &WindowProcedure<frmMain>);
  // A tool window stays out of the taskbar; topmost keeps it over every other window.
  window_ = CreateWindowExW(
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, Widen(MainTitle).c_str(), WS_POPUP,
      virtualScreen_.left, virtualScreen_.top, virtualScreen_.right - virtualScreen_.left,
      virtualScreen_.bottom - virtualScreen_.top, nullptr, nullptr, instance, this);
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
  canvas_.TakeDirtyRegion();  // the first paint shows the whole canvas
}

void frmMain::Timer1_Timer() {
  scene_.Tick();
  HDC dc = GetDC(window_);
  BlitCanvas(dc, canvas_, canvas_.TakeDirtyRegion(), -virtualScreen_.left, -virtualScreen_.top);
  ReleaseDC(window_, dc);
}

void frmMain::Form_Unload() {
  scene_.Unload();
}

void frmMain::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  // The primary monitor's top-left in the window; the other monitors stay black.
  const int originX = -virtualScreen_.left;
  const int originY = -virtualScreen_.top;
  const RECT primary{originX, originY, originX + canvas_.Width(), originY + canvas_.Height()};
  HRGN black = CreateRectRgnIndirect(&paint.rcPaint);
  HRGN picture = CreateRectRgnIndirect(&primary);
  CombineRgn(black, black, picture, RGN_DIFF);
  FillRgn(dc, black, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DeleteObject(picture);
  DeleteObject(black);
  const RECT& r = paint.rcPaint;
  BlitCanvas(dc, canvas_,
             {PixelRect::FromCorners(r.left - originX, r.top - originY, r.right - 1 - originX,
                                     r.bottom - 1 - originY)},
             originX, originY);
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
  return quorvane::CursorPosition();
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
