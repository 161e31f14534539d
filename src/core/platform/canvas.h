// The drawing surface the orrery and the preview draw on, in twips (1/1440 inch), x rightwards and
// y downwards from the top-left of the client area. Implemented by the pixel canvas for the windows
// and by a recording canvas in the tests. No Qt here.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/platform/color.h"

namespace quorvane {

inline constexpr std::int16_t kFillSolid = 0;
inline constexpr std::int16_t kFillTransparent = 1;

class Canvas {
 public:
  virtual ~Canvas() = default;

  // A full circle outlined in `color`, its interior filled with FillColor when FillStyle is solid.
  // Any positive radius is drawn, including radii below one pixel.
  virtual void Circle(float x, float y, float radius, Color color) = 0;
  // A filled box between two corners, outline and interior in `color`.
  virtual void Line(float x1, float y1, float x2, float y2, Color color) = 0;
  // Extent of the text in the canvas font.
  virtual float TextWidth(std::string_view text) = 0;
  virtual float TextHeight(std::string_view text) = 0;
  // Everything becomes the background colour.
  virtual void Clear() = 0;

  // Draws the text in ForeColor with its top-left at (CurrentX, CurrentY), background untouched;
  // then CurrentX returns to 0 and CurrentY moves down one line.
  void Print(std::string_view text) {
    DrawText(currentX_, currentY_, text);
    const float lineHeight = TextHeight(text);
    SetCurrentX(0);
    SetCurrentY(currentY_ + lineHeight);
  }

  virtual void SetForeColor(Color color) { foreColor_ = color; }
  virtual void SetFillColor(Color color) { fillColor_ = color; }
  virtual void SetFillStyle(std::int16_t style) { fillStyle_ = style; }
  virtual void SetDrawStyle(std::int16_t style) { drawStyle_ = style; }
  virtual void SetCurrentX(float x) { currentX_ = x; }
  virtual void SetCurrentY(float y) { currentY_ = y; }

  Color ForeColor() const { return foreColor_; }
  Color FillColor() const { return fillColor_; }
  std::int16_t FillStyle() const { return fillStyle_; }
  std::int16_t DrawStyle() const { return drawStyle_; }
  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }

 protected:
  virtual void DrawText(float x, float y, std::string_view text) = 0;

 private:
  Color foreColor_ = 0;
  Color fillColor_ = 0;
  std::int16_t fillStyle_ = kFillTransparent;
  std::int16_t drawStyle_ = 0;
  float currentX_ = 0;
  float currentY_ = 0;
};

}  // namespace quorvane
