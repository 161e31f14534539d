// The canvas as pixels in memory, shared by every front end so all of them draw the same picture;
// a front end supplies glyph masks for text and puts the changed rectangles on its window.
//
// Implements every Canvas operation without antialiasing (shapes and text), so erasing and
// redrawing in place leaves no halos. One byte per pixel indexes a palette: the program draws in
// a dozen colours, and a 4K screen then costs 8 MB instead of 33. Circles come out the same
// whether drawn whole or only inside a clip rectangle; one too small to cover a pixel centre
// still sets the pixel under its centre; a disc of any size (radius 1e30 included) costs at most
// one pass over the rows.
// The canvas tracks the pixels each operation changed so the window repaints only those; an
// outline circle redrawn with the same centre, radius and colour is redrawn, and counted, only
// where something else drew near its outline since its last draw, which keeps orbit rings cheap.
// Limits: the outline is one pixel wide (draw styles are ignored); fill styles other than solid
// and transparent are treated as transparent; beyond 256 distinct colours each further colour is
// drawn in the nearest one already used.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform/canvas.h"
#include "core/platform/glyph_source.h"
#include "core/platform/pixel_rect.h"

namespace quorvane {

class PixelCanvas final : public Canvas {
 public:
  // A canvas of width x height pixels filled with `background`; one pixel is twipsPerPixelX
  // twips wide and twipsPerPixelY high; text comes from `glyphs`.
  PixelCanvas(int width, int height, float twipsPerPixelX, float twipsPerPixelY, Color background,
              std::unique_ptr<GlyphSource> glyphs);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Width() palette indices per row, rows top to bottom.
  const std::uint8_t* Pixels() const { return pixels_.data(); }
  // The colours the indices stand for; entry 0 is the background.
  const std::vector<Color>& Palette() const { return palette_; }
  Color PixelColor(int x, int y) const;

  // The pixels changed since the last call, as a few rectangles that may overlap (a little more
  // than what changed where that saves rectangles); the window repaints only those.
  std::vector<PixelRect> TakeDirtyRegion();

  void Circle(float x, float y, float radius, Color color) override;
  void Line(float x1, float y1, float x2, float y2, Color color) override;
  float TextWidth(std::string_view text) override;
  float TextHeight(std::string_view text) override;
  void Clear() override;

 protected:
  void DrawText(float x, float y, std::string_view text) override;

 private:
  // The ellipse in pixel coordinates, where pixel (i, j) spans [i, i+1) x [j, j+1).
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
    PixelRect bounds;
    std::vector<PixelRect> damage;
  };

  // A text rendered once: the same few labels are measured and drawn every frame.
  struct LaidOutText {
    int advance = 0;             // pixels
    std::vector<PixelRect> ink;  // one-row runs of text pixels, relative to the top-left corner
    PixelRect bounds;            // all the runs
  };

  PixelRect Rect() const { return {0, 0, width_, height_}; }
  std::uint8_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const LaidOutText& LayOut(std::string_view text);
  Ellipse ToPixels(float x, float y, float radius) const;
  PixelRect Bounds(const Ellipse& ellipse) const;
  // Sets the ellipse's pixels inside `clip`: the outline, and the interior when `fill` is given.
  void Rasterise(const Ellipse& ellipse, std::uint8_t outline, const std::uint8_t* fill,
                 const PixelRect& clip);
  void DrawRing(float x, float y, float radius, Color color, const Ellipse& ellipse);
  // Adds `rect` to the dirty region and to the damage of every remembered ring but `source`.
  void MarkDirty(const PixelRect& rect, const Ring* source);
  // The colour's palette index, added when new.
  std::uint8_t ColourIndex(Color color);

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  std::vector<Color> palette_;
  float twipsPerPixelX_;
  float twipsPerPixelY_;
  std::unique_ptr<GlyphSource> glyphs_;
  std::vector<PixelRect> dirty_;  // may overlap; merged when taken
  std::vector<Ring> rings_;       // least recently drawn first
  std::unordered_map<std::string, LaidOutText> texts_;
};

}  // namespace quorvane
