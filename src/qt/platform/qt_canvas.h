// The canvas on a persistent QImage, for the full-screen window and the preview.
//
// Implements every Canvas operation without antialiasing (shapes and text), so erasing and
// redrawing in place leaves no halos. The image keeps one byte per pixel (Format_Indexed8): the
// program draws in a dozen colours, and a 4K screen then costs 8 MB instead of 33. Shapes are
// rasterised here row by row and text is drawn from glyph masks rendered once with QPainter, as
// QPainter cannot paint on indexed images. Circles come out the same whether drawn whole or only
// inside a clip rectangle; one too small to cover a pixel centre still sets the pixel under its
// centre; a disc of any size (radius 1e30 included) costs at most one pass over the rows.
// The canvas tracks the pixels each operation changed so the window repaints only those; an
// outline circle redrawn with the same centre, radius and colour is redrawn, and counted, only
// where something else drew near its outline since its last draw, which keeps orbit rings cheap.
// Limits: the outline is one pixel wide (draw styles are ignored); fill styles other than solid
// and transparent are treated as transparent; beyond 256 distinct colours each further colour is
// drawn in the nearest one already used.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/canvas.h"

namespace quorvane {

// 0x00BBGGRR as a QColor.
QColor ToQColor(Color color);

class QtCanvas final : public Canvas {
 public:
  // A persistent image of `pixelSize` filled with `background`; one pixel is twipsPerPixelX twips
  // wide and twipsPerPixelY high; text in `font`.
  QtCanvas(QSize pixelSize, float twipsPerPixelX, float twipsPerPixelY, QColor background,
           const QFont& font);

  // The picture, in Format_Indexed8; QImage::copy and convertToFormat give parts of it in RGB.
  const QImage& Image() const { return image_; }
  // The device-pixel area changed since the last call, as a few rectangles (a little more than
  // what changed where that saves rectangles); the window repaints only that.
  QRegion TakeDirtyRegion();

  void Circle(float x, float y, float radius, Color color) override;
  void Line(float x1, float y1, float x2, float y2, Color color) override;
  float TextWidth(std::string_view text) override;
  float TextHeight(std::string_view text) override;
  void Clear() override;

 protected:
  void DrawText(float x, float y, std::string_view text) override;

 private:
  // The ellipse in painter coordinates, where pixel (i, j) spans [i, i+1) x [j, j+1).
  struct Ellipse {
    double cx = 0;
    double cy = 0;
    double rx = 0;
    double ry = 0;
  };

  // An outline circle drawn since the last Clear, with the rectangles other operations dirtied
  // on or near its outline since it was last drawn.
  struct Ring {
    float x = 0;
    float y = 0;
    float radius = 0;
    Color color = 0;
    Ellipse shape;
    QRect bounds;
    std::vector<QRect> damage;
  };

  // A text rendered once: the same few labels are measured and drawn every frame.
  struct LaidOutText {
    int advance = 0;         // pixels
    std::vector<QRect> ink;  // one-row runs of text pixels, relative to the top-left corner
    QRect bounds;            // all the runs
  };

  const LaidOutText& LayOut(std::string_view text);
  Ellipse ToPixels(float x, float y, float radius) const;
  QRect Bounds(const Ellipse& ellipse) const;
  // Sets the ellipse's pixels inside `clip`: the outline, and the interior when `fill` is given.
  void Rasterise(const Ellipse& ellipse, std::uint8_t outline, const std::uint8_t* fill,
                 const QRect& clip);
  void DrawRing(float x, float y, float radius, Color color, const Ellipse& ellipse);
  // Adds `rect` to the dirty region and to the damage of every remembered ring but `source`.
  void MarkDirty(const QRect& rect, const Ring* source);
  // The colour's index in the image's colour table, added when new.
  std::uint8_t ColourIndex(Color color);

  QImage image_;
  std::vector<QRgb> palette_;  // the image's colour table; entry 0 is the background
  float twipsPerPixelX_;
  float twipsPerPixelY_;
  QFont font_;
  QFontMetrics metrics_;
  std::vector<QRect> dirty_;  // may overlap; merged when taken
  std::vector<Ring> rings_;   // least recently drawn first
  std::unordered_map<std::string, LaidOutText> texts_;
};

}  // namespace quorvane
