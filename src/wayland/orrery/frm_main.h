// The full-screen saver on Wayland: a surface over every output, the orrery on the first and
// black on the others, following outputs that come, go or change size or scale. It owns the
// canvas and the scene, runs the frame timer and ends the program on any key, any button or
// touch, or (through the scene) a pointer move; the scene decides all of that, as on X11.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "core/orrery/orrery_scene.h"
#include "core/platform/pixel_canvas.h"
#include "core/startup/mod_public.h"
#include "wayland/orrery/output_surface.h"
#include "wayland/platform/pointer_track.h"
#include "wayland/platform/wayland_connection.h"
#include "wayland/platform/wayland_seat.h"

namespace quorvane::wayland {

class frmMain final : public QObject, private OrreryHost {
 public:
  frmMain(ModPublic& modPublic, WaylandConnection& connection);
  ~frmMain() override;

  // Binds the compositor's globals and asks for a surface on every output; the orrery loads
  // once the first output's surface has its size. False when the compositor cannot show it.
  bool Start();

  // The surface that shows the orrery (for tests): the first output's; nothing without outputs.
  const OutputSurface* OrrerySurface() const { return orreryOn_; }
  const std::vector<std::unique_ptr<OutputSurface>>& Surfaces() const { return surfaces_; }
  const PixelCanvas* Canvas() const { return canvas_.get(); }

  // What ends the program; EndProgramAtOnce unless replaced (tests).
  std::function<void()> endProgram;
  // What ends it after the compositor closed its surfaces: quits the event loop with 0.
  std::function<void()> closeProgram;

 private:
  // A new canvas and scene for the orrery's surface at its present size and scale, loaded and
  // drawn up to its first complete picture, which is then shown.
  void Form_Load();
  void Timer1_Timer();
  void Form_KeyDown();
  void Form_MouseDown();
  void Form_Unload();

  void OutputReady(const WaylandOutput& output);
  void OutputRemoved(const WaylandOutput& output);
  void SeatAdded(wl_seat* seat);
  // The surface of `output` has a new size or scale: its picture is made anew.
  void SurfaceChanged(wl_output* output);
  // Makes the pictures of the changed surfaces anew, once the events that changed them are in.
  void RepaintChanged();
  // The compositor closed a surface: the program ends unless its output is going away.
  void SurfaceClosed(wl_output* output);
  // The orrery on the first output's surface, black on the one that had it before.
  void PlaceOrrery();
  OutputSurface* SurfaceFor(wl_output* output) const;

  CursorPoint CursorPosition() override { return pointer_.Position(); }
  void EndProgram() override { endProgram(); }
  void SetTimerEnabled(bool enabled) override;
  void SetScreenSaverActive(bool active) override;

  ModPublic& modPublic_;
  WaylandConnection& connection_;
  bool started_ = false;
  PointerTrack pointer_;
  std::vector<std::unique_ptr<WaylandSeat>> seats_;
  std::vector<std::unique_ptr<OutputSurface>> surfaces_;
  OutputSurface* orreryOn_ = nullptr;
  std::set<wl_output*> changed_;  // surfaces whose picture is to be made anew
  ScreenMetrics screen_;
  std::unique_ptr<PixelCanvas> canvas_;
  std::unique_ptr<OrreryScene> scene_;
  QTimer* Timer1;
};

}  // namespace quorvane::wayland
