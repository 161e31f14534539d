// The canvas as pixels in memory, shared by every front end so all of them draw the same picture;
// a front end supplies glyph masks for text and puts the changed rectangles on its window.
//
// Implements every Canvas operation without antialiasing (shapes and text), so erasing and
// redrawing in place leaves no halos. One byte per pixel indexes a palette: the program draws in
// a dozen colours, and a 4K screen then costs 8 MB instead of 33. Circles come out the same
// whether drawn whole or only inside a clip rectangle; one too small to cover a pixel centre
// still sets the pixel under its centre; a disc of any size (radius 1e30 included) costs at most
// one pass over the rows.
// The canvas tracks the pixels that changed since the window last took them, so the window sends
// only those: drawing a colour over pixels that already hold it changes nothing, and a pixel drawn
// over and then back within one frame (a disc erased and redrawn in place) counts as unchanged. An
// outline circle, or a large disc, redrawn with the same centre, radius and colours is redrawn
// only where something else changed pixels it covers since its last draw, which keeps orbit rings
// and a big Sun cheap.
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

  // The pixels changed since the last call, as rectangles that may overlap (a little more than
  // what changed where that saves rectangles); the window repaints only those. The whole canvas
  // after creation and after Clear.
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

  // An outline circle or a large disc drawn since the last Clear, with the rectangles where other
  // operations changed pixels on or near its outline (inside it, for a disc) since its last draw.
  struct Ring {
    float x = 0;
    float y = 0;
    float radius = 0;
    Color color = 0;
    bool filled = false;
    Color fillColor = 0;
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
  // Returns the bounds of the pixels that changed.
  PixelRect Rasterise(const Ellipse& ellipse, std::uint8_t outline, const std::uint8_t* fill,
                      const PixelRect& clip);
  // Draws a remembered shape, or where it was damaged when drawn the same way before.
  void DrawRing(const Ring& drawn);
  // Sets columns first..last of `row`, clamped to `clip`, to `index`, remembering what the
  // changed pixels held before; widens `changed` by them.
  void FillSpan(int row, double first, double last, const PixelRect& clip, std::uint8_t index,
                PixelRect& changed);
  // Adds `rect`, where pixels changed, to the damage of every remembered ring but `source`.
  void MarkDamaged(const PixelRect& rect, const Ring* source);
  // Appends to `out` the changed runs of one row, from the spans logged on it.
  void DiffRow(int row, const std::size_t* spans, std::size_t count, std::vector<PixelRect>& out);
  // The colour's palette index, added when new.
  std::uint8_t ColourIndex(Color color);

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  std::vector<Color> palette_;
  float twipsPerPixelX_;
  float twipsPerPixelY_;
  std::unique_ptr<GlyphSource> glyphs_;
  // A changed stretch of one row; its earlier bytes sit in before_ from `offset` on.
  struct Change {
    int row;
    int left;
    int right;
    std::size_t offset;
  };
  // Everything is to be taken; nothing is logged meanwhile.
  bool everything_ = true;
  std::vector<Change> changes_;       // since the last take, in drawing order
  std::vector<std::uint8_t> before_;  // the changed pixels' bytes before each change
  // Per column of a row being compared: whether its earliest byte is known, and that byte.
  std::vector<std::uint8_t> seen_;
  std::vector<std::uint8_t> original_;
  std::vector<Ring> rings_;  // least recently drawn first
  std::unordered_map<std::string, LaidOutText> texts_;
};

}  // namespace quorvane
