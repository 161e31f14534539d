#include "core/preview/preview_scene.h"

#include <cmath>

namespace quorvane {

PreviewScene::PreviewScene(double pi, float twipsPerPixelX, float twipsPerPixelY)
    : pi_(pi), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY) {}

void PreviewScene::SizeWindow() {
  Width = twipsPerPixelX_ * kPreviewWidthPixels;
  Height = twipsPerPixelY_ * kPreviewHeightPixels;
}

void PreviewScene::CentreSunAndDrawRing(Canvas& canvas) {
  shpSun.Left = (Width - shpSun.Width) / 2;
  shpSun.Top = (Height - shpSun.Height) / 2;
  OrbitCenterX = Width / 2;
  OrbitCenterY = Height / 2;
  canvas.SetDrawStyle(0);
  // Drawn once: the canvas keeps it under the shapes from now on.
  canvas.Circle(OrbitCenterX, OrbitCenterY, twipsPerPixelX_ * kOrbitRadiusPixels, kOrbitGrey);
}

void PreviewScene::MovePlanet() {
  PlanetAngle = pi_ / 15 + PlanetAngle;
  const double radiusX = double{kOrbitRadiusPixels} * twipsPerPixelX_;
  const double radiusY = double{kOrbitRadiusPixels} * twipsPerPixelY_;
  shpPlanet.Left = static_cast<float>(OrbitCenterX + radiusX * std::cos(PlanetAngle) -
                                      double{shpPlanet.Width} / 2);
  shpPlanet.Top = static_cast<float>(OrbitCenterY - radiusY * std::sin(PlanetAngle) -
                                     double{shpPlanet.Height} / 2);
}

}  // namespace quorvane
