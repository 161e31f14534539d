#include <cmath>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/scene_formulas.h"

namespace quorvane {

namespace {

constexpr double kMouseTolerance = 10;  // pixels between two ticks

}  // namespace

// Incremental: each planet's previous disc and label are overdrawn in black, never the whole
// canvas. The erase box reuses this frame's radius, font and language, which equal the last
// frame's while the focus stays.
void OrreryScene::DrawFrame() {
  const CursorPoint cursor = host_.CursorPosition();
  const double dx = static_cast<double>(cursor.x) - CursorPos.x;
  const double dy = static_cast<double>(cursor.y) - CursorPos.y;
  if (std::sqrt(dy * dy + dx * dx) > kMouseTolerance) {
    host_.EndProgram();
    return;
  }
  CursorPos = cursor;

  PrintInfo();
  DrawSun();

  const float fullTurn = ToSingle(2 * modPublic_.Pi);
  const float pixel = screen_.TwipsPerPixelX;
  const std::int16_t count = OrbiterCount;
  for (std::int16_t i = 1; i <= count; ++i) {
    Orbiter& orbiter = Orbiters[static_cast<std::size_t>(i)];
    const Body& body = modPublic_.Bodies[static_cast<std::size_t>(orbiter.Id)];
    const double radius = PlanetRadius(modPublic_.settings.Zoom, body.Diameter, OrbitScale, pixel);
    const float disc = ToSingle(radius);
    const std::string& label = Label(body);

    canvas_.SetFillColor(kBlack);
    canvas_.Circle(orbiter.X, orbiter.Y, disc, kBlack);
    const double width = canvas_.TextWidth(label);
    const double height = canvas_.TextHeight(label);
    const double labelLeft = static_cast<double>(orbiter.X) + radius + 10.0 * pixel;
    canvas_.Line(ToSingle(labelLeft), orbiter.Y, ToSingle(labelLeft + width),
                 ToSingle(orbiter.Y + height), kBlack);

    orbiter.Angle = ToSingle(orbiter.Angle + AngleStep / body.Period);
    while (orbiter.Angle > fullTurn) {
      orbiter.Angle = ToSingle(orbiter.Angle - 2 * modPublic_.Pi);
    }
    const ScenePoint at =
        OrbitPosition(CenterX, CenterY, OrbitScale, body.OrbitRadius, orbiter.Angle);
    orbiter.X = at.X;
    orbiter.Y = at.Y;

    if (modPublic_.settings.Orbit != 0) {
      canvas_.SetFillStyle(kFillTransparent);
      canvas_.Circle(CenterX, CenterY, ScaledOrbitRadius(OrbitScale, body.OrbitRadius), kOrbitGrey);
    }
    // Solid from here on, ring or not: later erase circles become filled black discs.
    canvas_.SetFillStyle(kFillSolid);
    canvas_.SetFillColor(body.Color);
    canvas_.SetForeColor(body.Color);
    canvas_.Circle(orbiter.X, orbiter.Y, disc, body.Color);
    canvas_.SetCurrentX(LabelX(orbiter.X, radius, pixel));
    canvas_.SetCurrentY(orbiter.Y);
    canvas_.Print(label);
  }
}

}  // namespace quorvane
