// The full-screen window on Win32: a topmost popup over every monitor, the orrery on the primary
// monitor and black on the others, no cursor. It owns the canvas and the scene, runs the frame
// timer and ends the program on any key, any mouse button or (through the scene) a mouse
// movement. Above 100 % the scene keeps its layout in logical pixels and the canvas paints every
// device pixel.
#pragma once

#include <windows.h>

#include "core/orrery/full_screen_layout.h"
#include "core/orrery/orrery_scene.h"
#include "core/platform/pixel_canvas.h"
#include "core/startup/mod_public.h"

namespace quorvane {

class frmMain final : private OrreryHost {
 public:
  // Creates the window and runs Form_Load with the first two frames, so the first picture is
  // complete on the canvas before the window is shown.
  explicit frmMain(ModPublic& modPublic);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  void Show();
  HWND Handle() const { return window_; }
  // Every message of the window, from the program's window procedure.
  LRESULT Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Form_Load();
  void Timer1_Timer();
  void Form_Unload();
  void Paint();

  CursorPoint CursorPosition() override;
  void EndProgram() override;
  void SetTimerEnabled(bool enabled) override;
  void SetScreenSaverActive(bool active) override;

  const double pixelRatio_;  // device pixels per logical pixel
  const FullScreenLayout layout_;
  const ScreenMetrics screen_;  // the primary monitor in logical pixels
  PixelCanvas canvas_;          // the primary monitor in device pixels
  OrreryScene scene_;
  HWND window_ = nullptr;
};

}  // namespace quorvane
