// The full-screen orrery's form-level state and the procedures that lay it out and draw it, free
// of Qt. frmMain owns one scene and calls these procedures from its event handlers; they draw
// only through the canvas and reach the window only through OrreryHost.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/canvas.h"
#include "core/platform/screen_metrics.h"
#include "core/platform/system_services.h"
#include "core/startup/mod_public.h"

namespace quorvane {

// One planet on show.
struct Orbiter {
  std::int16_t Id = 0;  // index into Bodies, 1 to 9
  float X = 0;          // centre of the disc, twips
  float Y = 0;
  float Angle = 0;  // radians, counter-clockwise on screen
};

// What the procedures need of the window around them.
class OrreryHost {
 public:
  virtual ~OrreryHost() = default;
  // The cursor position in the scene's pixels: the screen's logical pixels above 100 %.
  virtual CursorPoint CursorPosition() = 0;
  // Ends the program at once; in the real window this does not return.
  virtual void EndProgram() = 0;
  // Switches the frame timer Timer1 on or off.
  virtual void SetTimerEnabled(bool enabled) = 0;
  // The system's "screen saver active" switch.
  virtual void SetScreenSaverActive(bool active) = 0;
};

class OrreryScene {
 public:
  OrreryScene(ModPublic& modPublic, Canvas& canvas, const ScreenMetrics& screen, OrreryHost& host);

  // The window's load: lays out and draws the first picture, records the cursor, starts the frame
  // timer and marks the screen saver active. Runs before the window is first shown.
  void Load();
  // Before the window first appears, after Load: the first two frames, so that the first
  // picture shown is complete. The canvas starts with its fill transparent, so the Sun and the
  // planets are filled only from the second frame on; the timer's ticks go on from the third.
  void DrawFirstFrames();
  // One frame timer tick: the focus step in the automatic modes, then the frame.
  void Tick();
  // The window closed by the system rather than by input: the screen saver is no longer active.
  void Unload();

  // Scale, centre and angle step for the focus body CenterId and the current screen size.
  void ComputeGeometry();
  // Records the planets whose orbits reach into the screen at random angles and draws each once.
  void PlaceBodies();
  // The three lines of magnification, focus and time scale in the top-left corner.
  void PrintInfo();
  // The Sun at the centre with its name.
  void DrawSun();
  // One animation frame: mouse check, overlay, Sun, then each planet erased, moved and redrawn.
  void DrawFrame();
  // In the automatic modes, every 51st call moves the focus on and lays the scene out again.
  void AutoChangeFocus();

  // Form-level state, in declaration order.
  float ScreenWidth = 0;
  float ScreenHeight = 0;
  float OrbitScale = 0;
  float CenterX = 0;
  float CenterY = 0;
  float AngleStep = 0;
  std::vector<Orbiter> Orbiters;  // element 0 unused; 1 to OrbiterCount in ascending body index
  std::int16_t OrbiterCount = 0;
  CursorPoint CursorPos;
  std::int16_t ChangeTicks = 0;

 private:
  const Body& FocusBody() const;
  // The body's name in the interface language.
  const std::string& Label(const Body& body) const;

  ModPublic& modPublic_;
  Canvas& canvas_;
  const ScreenMetrics& screen_;
  OrreryHost& host_;
  std::string infoLine_;  // kept so that printing the overlay every frame allocates nothing
};

}  // namespace quorvane
