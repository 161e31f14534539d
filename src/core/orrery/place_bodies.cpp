#include "core/orrery/orrery_scene.h"
#include "core/orrery/scene_formulas.h"

namespace quorvane {

// Draws with whatever fill state is in force: outlines at load, filled discs in the last frame's
// colour after a focus change; the next frame erases both in place.
void OrreryScene::PlaceBodies() {
  OrbiterCount = 0;
  for (std::int16_t i = kFirstPlanetId; i <= kLastPlanetId; ++i) {
    const Body& body = modPublic_.Bodies[static_cast<std::size_t>(i)];
    const double radius =
        PlanetRadius(modPublic_.settings.Zoom, body.Diameter, OrbitScale, screen_.TwipsPerPixelX);
    const float scaled = ScaledOrbitRadius(OrbitScale, body.OrbitRadius);
    if (!OrbitReachesScreen(HalfDiagonal(ScreenWidth, ScreenHeight), scaled)) {
      continue;
    }
    ++OrbiterCount;
    Orbiters.resize(static_cast<std::size_t>(OrbiterCount) + 1);
    Orbiter& orbiter = Orbiters[static_cast<std::size_t>(OrbiterCount)];
    orbiter.Id = i;
    orbiter.Angle = ToSingle(modPublic_.Rnd() * modPublic_.Pi * 2);
    const ScenePoint at =
        OrbitPosition(CenterX, CenterY, OrbitScale, body.OrbitRadius, orbiter.Angle);
    orbiter.X = at.X;
    orbiter.Y = at.Y;

    canvas_.SetForeColor(body.Color);
    canvas_.Circle(orbiter.X, orbiter.Y, ToSingle(radius), body.Color);
    canvas_.SetCurrentX(LabelX(orbiter.X, radius, screen_.TwipsPerPixelX));
    canvas_.SetCurrentY(orbiter.Y);
    canvas_.Print(Label(body));
  }
}

}  // namespace quorvane
