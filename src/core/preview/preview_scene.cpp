#include "core/preview/preview_scene.h"

#include <cmath>

namespace quorvane {

PreviewScene::PreviewScene(double pi, float twipsPerPixelX, float twipsPerPixelY)
    : pi_(pi), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY) {}

void PreviewScene::SizeWindow() {
  Width = twipsPerPixelX_ * kPreviewWidthPixels;
  Height = twipsPerPixelY_ * kPreviewHeightPixels;
}

void PreviewScene::Load(Canvas& canvas) {
  canvas_ = &canvas;
  CentreSunAndDrawRing(canvas);
  DrawShapes(canvas);
}

void PreviewScene::Tick() {
  MovePlanet();
  if (canvas_ != nullptr) {
    DrawShapes(*canvas_);
  }
}

void PreviewScene::CentreSunAndDrawRing(Canvas& canvas) {
  shpSun.Left = (Width - shpSun.Width) / 2;
  shpSun.Top = (Height - shpSun.Height) / 2;
  OrbitCenterX = Width / 2;
  OrbitCenterY = Height / 2;
  canvas.SetDrawStyle(0);
  DrawRing(canvas);
}

void PreviewScene::DrawRing(Canvas& canvas) const {
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

PreviewScene::Disc PreviewScene::PlacedDisc(const Shape& shape) const {
  // A window places its shapes on whole pixels: the box's corner is rounded to a pixel and the
  // circle fills a whole number of them, so the disc keeps one outline wherever it moves.
  const float radius = shape.Diameter() / 2;
  const float left = std::round((shape.CenterX() - radius) / twipsPerPixelX_);
  const float top = std::round((shape.CenterY() - radius) / twipsPerPixelY_);
  const float across = std::round(shape.Diameter() / twipsPerPixelX_);
  // The canvas puts a twip position on the centre of the pixel it rounds to.
  const float middle = (across - 1) / 2;
  return {(left + middle) * twipsPerPixelX_, (top + middle) * twipsPerPixelY_,
          across / 2 * twipsPerPixelX_};
}

void PreviewScene::DrawShapes(Canvas& canvas) {
  const auto fill = [&canvas](const Disc& disc, Color color) {
    canvas.SetFillStyle(kFillSolid);
    canvas.SetFillColor(color);
    canvas.Circle(disc.x, disc.y, disc.radius, color);
  };
  // Only the ring was ever drawn on the canvas itself, so giving the canvas back its picture where
  // the planet stood is: the background there, then the ring again. The canvas redraws a ring only
  // where something changed it, and pixels set back as they were count as unchanged.
  if (drawnPlanet_) {
    fill(*drawnPlanet_, kPreviewBackColor);
  }
  canvas.SetFillStyle(kFillTransparent);
  DrawRing(canvas);
  fill(PlacedDisc(shpSun), shpSun.FillColor);
  drawnPlanet_ = PlacedDisc(shpPlanet);
  fill(*drawnPlanet_, shpPlanet.FillColor);
}

}  // namespace quorvane
