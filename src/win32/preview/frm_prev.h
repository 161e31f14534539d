// The preview on Win32: the miniature of the Sun, its ring and one moving planet, 155 x 115
// pixels, as a child at 0,0 of the host's preview pane, or top-level at the screen's top-left
// when there is no pane. It ends the program when its window is destroyed.
#pragma once

#include <windows.h>

#include <memory>

#include "core/platform/pixel_canvas.h"
#include "core/platform/screen_metrics.h"
#include "core/preview/preview_scene.h"
#include "core/startup/mod_public.h"

namespace quorvane {

class frmPrev final {
 public:
  // Creates the window (a child of `parent` when it is not null) and runs Form_Load; the timer
  // runs from here on. Handle() is null when the window could not be made, for instance because
  // the parent is already gone.
  frmPrev(const ModPublic& modPublic, HWND parent);
  ~frmPrev();
  frmPrev(const frmPrev&) = delete;
  frmPrev& operator=(const frmPrev&) = delete;

  HWND Handle() const { return window_; }
  // Every message of the window, from the program's window procedure.
  LRESULT Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Draws the whole picture on `dc` at 0,0.
  void Render(HDC dc) const;

 private:
  void Form_Load();
  void Timer1_Timer();
  // Invalidates what the canvas changed.
  void InvalidateChanges();
  void Paint();

  const ScreenMetrics screen_;
  PreviewScene scene_;
  std::unique_ptr<PixelCanvas> canvas_;
  HWND window_ = nullptr;
};

}  // namespace quorvane
