// The canvas as pixels in memory, shared by every front end so all of them draw the same picture;
// a front end supplies glyph masks for text and puts the changed rectangles on its window.
//
// Implements every Canvas operation without antialiasing (shapes and text), so erasing and
// redrawing in place leaves no halos. One byte per pixel indexes a palette. Circles come out the
// same whether drawn whole or only inside a clip rectangle; one too small to cover a pixel centre
// still sets the pixel under its centre; a disc of any size (radius 1e30 included) costs at most
// one pass over the rows.
// The canvas tracks the pixels that changed since the window last took them, so the window sends
// only those: drawing a colour over pixels that already hold it changes nothing, and a pixel drawn
// over and then back within one frame counts as unchanged. An outline circle, or a large disc,
// redrawn with the same centre, radius and colours is redrawn only where something else changed
// pixels it covers since its last draw, which keeps orbit rings and a big Sun cheap; so is a text
// redrawn at the same place in the same colour, which keeps the overlay cheap.
// This class only joins the parts in raster/: the rasteriser, the palette, the change tracker,
// the standing shapes and texts, and the text cache.
// Limits: the outline is one pixel wide (draw styles are ignored); fill styles other than solid
// and transparent are treated as transparent.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/platform/canvas.h"
#include "core/platform/glyph_source.h"
#include "core/platform/pixel_rect.h"
#include "core/platform/raster/change_tracker.h"
#include "core/platform/raster/colour_palette.h"
#include "core/platform/raster/span_raster.h"
#include "core/platform/raster/standing_shapes.h"
#include "core/platform/raster/standing_texts.h"
#include "core/platform/raster/text_cache.h"

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
  const std::vector<Color>& Palette() const { return palette_.Colours(); }
  Color PixelColor(int x, int y) const;

  // The pixels changed since the last call, as rectangles that may overlap (a little more than
  // what changed where that saves rectangles); the window repaints only those. The whole canvas
  // after creation and after Clear. Valid until the next call.
  const std::vector<PixelRect>& TakeDirtyRegion() { return changes_.Take(pixels_.data()); }
  // How many pixels differed at the last take, the least that any sending of it must cover.
  long long ChangedPixels() const { return changes_.ChangedPixels(); }

  void Circle(float x, float y, float radius, Color color) override;
  void Line(float x1, float y1, float x2, float y2, Color color) override;
  float TextWidth(std::string_view text) override;
  float TextHeight(std::string_view text) override;
  void Clear() override;

 protected:
  void DrawText(float x, float y, std::string_view text) override;

 private:
  PixelRect Rect() const { return {0, 0, width_, height_}; }
  PixelEllipse ToPixels(float x, float y, float radius) const;
  // Sets the ellipse's pixels inside `clip`: the outline, and the interior when `fill` is given.
  // Returns the bounds of the pixels that changed.
  PixelRect Rasterise(const PixelEllipse& ellipse, std::uint8_t outline, const std::uint8_t* fill,
                      const PixelRect& clip);
  // Draws a standing shape, or only where it was damaged when drawn the same way before.
  void DrawStanding(const StandingShape& drawn);
  // Sets columns from..to of `row` to `index`; widens `changed` by the pixels that changed.
  void WriteRun(int row, int from, int to, std::uint8_t index, PixelRect& changed);
  // Draws the text's ink inside `clip`.
  void DrawInk(const StandingText& text, const PixelRect& clip);
  // Pixels in `rect` changed: the standing shapes and texts they may belong to are damaged, but
  // for the one drawing.
  void Changed(const PixelRect& rect, const StandingShape* shape, const StandingText* text);

  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  ColourPalette palette_;
  float twipsPerPixelX_;
  float twipsPerPixelY_;
  std::unique_ptr<GlyphSource> glyphs_;
  ChangeTracker changes_;
  StandingShapes shapes_;
  TextCache texts_;
  StandingTexts standingTexts_;
};

}  // namespace quorvane
