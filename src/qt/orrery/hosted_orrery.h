// The full-screen orrery drawn into another program's window, as xscreensaver runs its hacks: in
// the window it names, in the root window, or in any window given by id. The scene is laid out
// for the window's whole size and again whenever that changes; input never ends it (the host
// ends the process with a signal, and the window then gets its own background back), and the
// cursor, title and single-instance rules of "/s" do not apply.
//
// Implements: X11 only, drawing with XPutImage onto a window of the display's default visual.
#pragma once

#include <QObject>
#include <QRegion>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "core/orrery/orrery_scene.h"
#include "core/platform/pixel_canvas.h"
#include "core/startup/mod_public.h"
#include "qt/platform/foreign_window.h"
#include "qt/platform/x11_blit.h"

namespace quorvane {

class HostedOrrery final : public QObject, private OrreryHost {
  Q_OBJECT

 public:
  // Draws into the watched window `window` from the first tick on.
  HostedOrrery(ModPublic& modPublic, std::unique_ptr<ForeignWindowWatch> watch, WId window);
  ~HostedOrrery() override;

 private:
  // A new canvas and scene for the window's present size, loaded as frmMain loads its scene.
  void Form_Load();
  void Timer1_Timer();
  // Follows what the host did to the window: gone, resized or exposed.
  void ReadWindowEvents();
  void Blit(const QRegion& region);
  // Ends the program on the host's signal, leaving the window as it found it.
  void EndOnSignal();

  // The scene never sees the pointer move: the host, not input, ends a hosted saver.
  CursorPoint CursorPosition() override { return {}; }
  void EndProgram() override;
  void SetTimerEnabled(bool enabled) override;
  // The host, not this program, decides when the screen saver is active.
  void SetScreenSaverActive(bool) override {}

  ModPublic& modPublic_;
  std::unique_ptr<ForeignWindowWatch> watch_;
  const WId window_;
  ScreenMetrics screen_;
  std::unique_ptr<PixelCanvas> canvas_;
  std::unique_ptr<OrreryScene> scene_;
  X11Blitter blitter_;
  QTimer Timer1;
};

// Starts the orrery in the window with that id, or in the root window when it is 0; ends the
// program when there is no such window. Needs the application object.
void ShowHostedOrrery(ModPublic& modPublic, unsigned long window);

}  // namespace quorvane
