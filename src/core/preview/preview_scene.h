// The preview's miniature without the window: its form-level state, the layout made at load, the
// planet's motion on each tick, in twips, and the picture drawn through the canvas. frmPrev owns
// one scene, runs Load and Tick from its handlers and puts what the canvas changed on its window.
#pragma once

#include <algorithm>
#include <optional>

#include "core/platform/canvas.h"

namespace quorvane {

inline constexpr Color kPreviewBackColor = 0x00400000;
inline constexpr Color kSunColor = 0x000070FF;
inline constexpr Color kPlanetColor = 0x00C06000;
inline constexpr int kPreviewWidthPixels = 155;
inline constexpr int kPreviewHeightPixels = 115;
inline constexpr int kOrbitRadiusPixels = 45;

// A lightweight shape: a filled circle drawn by the window in the box Left, Top, Width, Height
// (twips). A circle in a box that is not square has the smaller side as diameter, centred.
struct Shape {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
  Color FillColor = 0;

  float Diameter() const { return std::min(Width, Height); }
  float CenterX() const { return Left + Width / 2; }
  float CenterY() const { return Top + Height / 2; }
};

class PreviewScene {
 public:
  PreviewScene(double pi, float twipsPerPixelX, float twipsPerPixelY);

  // Form_Load, step 1: the window's size, 155 x 115 pixels whatever the host's pane.
  void SizeWindow();
  // Form_Load, the rest: the picture the window first shows, drawn on `canvas`, which the scene
  // draws on from now on.
  void Load(Canvas& canvas);
  // Timer1_Timer: the planet moves, and once loaded it is drawn where it now stands. A tick
  // before load only moves it: the load draws the first picture.
  void Tick();

  // Form_Load, steps 2 to 5: the Sun centred, the orbit centre and the ring drawn once.
  void CentreSunAndDrawRing(Canvas& canvas);
  // Timer1_Timer: 12 degrees further counter-clockwise, the planet's box centred on the ring.
  void MovePlanet();
  // The two shapes over the canvas's own picture (the ring), where they now stand: after load and
  // after each move. Where the planet stood before, the canvas's picture shows again.
  void DrawShapes(Canvas& canvas);

  // Window size, twips.
  float Width = 0;
  float Height = 0;
  Shape shpSun{0, 0, 390, 390, kSunColor};
  Shape shpPlanet{1875, 885, 180, 165, kPlanetColor};  // the design position until the first tick
  // Form-level fields.
  double PlanetAngle = 0;  // never reduced: it only grows
  float OrbitCenterX = 0;
  float OrbitCenterY = 0;

 private:
  // A shape's circle as the canvas draws it: centre and radius, twips.
  struct Disc {
    float x = 0;
    float y = 0;
    float radius = 0;
  };
  Disc PlacedDisc(const Shape& shape) const;
  void DrawRing(Canvas& canvas) const;

  double pi_;
  float twipsPerPixelX_;
  float twipsPerPixelY_;
  std::optional<Disc> drawnPlanet_;
  Canvas* canvas_ = nullptr;  // set by Load
};

}  // namespace quorvane
