#include "win32/preview/frm_prev.h"

#include "core/platform/font_names.h"
#include "core/platform/tick_interval.h"
#include "win32/platform/gdi_blit.h"
#include "win32/platform/gdi_fonts.h"
#include "win32/platform/gdi_glyph_source.h"
#include "win32/platform/wide_text.h"
#include "win32/platform/win32_screen.h"
#include "win32/platform/window_procedure.h"

namespace quorvane {

namespace {

constexpr wchar_t kClassName[] = L"QuorvanePreview";
constexpr UINT_PTR kTimer1 = 1;

}  // namespace

frmPrev::frmPrev(const ModPublic& modPublic, HWND parent)
    : screen_(PrimaryScreenMetrics()),
      scene_(modPublic.Pi, screen_.TwipsPerPixelX, screen_.TwipsPerPixelY) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProcedure<frmPrev>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  // Made a child at once when there is a pane: a pane destroyed meanwhile makes creation fail
  // rather than leave a top-level preview behind.
  const DWORD style = parent != nullptr ? WS_CHILD : WS_POPUP;
  window_ = CreateWindowExW(0, kClassName, Widen(kPreviewTitle).c_str(), style, 0, 0, 0, 0, parent,
                            nullptr, instance, this);
  if (window_ == nullptr) {
    return;
  }
  SetTimer(window_, kTimer1, static_cast<UINT>(kTickInterval.count()), nullptr);
  Form_Load();
  ShowWindow(window_, SW_SHOWNA);
}

frmPrev::~frmPrev() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void frmPrev::Form_Load() {
  scene_.SizeWindow();
  const int width = screen_.PixelsX(scene_.Width);
  const int height = screen_.PixelsY(scene_.Height);
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The preview prints nothing; the canvas still needs a font to measure with.
  canvas_ = std::make_unique<PixelCanvas>(
      width, height, screen_.TwipsPerPixelX, screen_.TwipsPerPixelY, kPreviewBackColor,
      std::make_unique<GdiGlyphSource>(
          CreateUiFont(kUiGothic, 9, FW_NORMAL, SHIFTJIS_CHARSET, screen_.TwipsPerPixelY)));
  scene_.Load(*canvas_);
  InvalidateChanges();
}

void frmPrev::Timer1_Timer() {
  scene_.Tick();
  InvalidateChanges();
}

void frmPrev::InvalidateChanges() {
  if (canvas_ == nullptr) {
    return;
  }
  for (const PixelRect& rect : canvas_->TakeDirtyRegion()) {
    const RECT changed{rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
    InvalidateRect(window_, &changed, FALSE);
  }
}

void frmPrev::Render(HDC dc) const {
  BlitCanvas(dc, *canvas_, {PixelRect{0, 0, canvas_->Width(), canvas_->Height()}});
}

void frmPrev::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  // The canvas holds the whole picture: only the part asked for goes out, in one piece.
  const RECT& area = paint.rcPaint;
  BlitCanvas(dc, *canvas_,
             {PixelRect{area.left, area.top, area.right - area.left, area.bottom - area.top}});
  EndPaint(window_, &paint);
}

LRESULT frmPrev::Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  window_ = window;  // messages arrive before CreateWindowExW returns the handle
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1) {
        Timer1_Timer();
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel comes from the paint
    case WM_PAINT:
      if (canvas_ == nullptr) {
        break;
      }
      Paint();
      return 0;
    case WM_DESTROY:
      // The host destroyed its pane, and this window with it: the preview ends.
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace quorvane
