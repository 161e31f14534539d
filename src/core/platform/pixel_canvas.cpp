#include "core/platform/pixel_canvas.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

PixelCanvas::PixelCanvas(int width, int height, float twipsPerPixelX, float twipsPerPixelY,
                         Color background, std::unique_ptr<GlyphSource> glyphs)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0),
      palette_(background),
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY),
      glyphs_(std::move(glyphs)),
      changes_(width_, height_) {}

Color PixelCanvas::PixelColor(int x, int y) const {
  return palette_.Colours()[pixels_[static_cast<std::size_t>(y) * width_ + x]];
}

void PixelCanvas::WriteRun(int row, int from, int to, std::uint8_t index, PixelRect& changed) {
  std::uint8_t* line = pixels_.data() + static_cast<std::size_t>(row) * width_;
  const RowRun run = DifferingRun(line, from, to, index);
  if (run.Empty()) {
    return;
  }
  changes_.WillChange(row, run.left, run.right, line + run.left);
  std::fill(line + run.left, line + run.right + 1, index);
  changed = PixelRect::United(changed, {run.left, row, run.right - run.left + 1, 1});
}

PixelEllipse PixelCanvas::ToPixels(float x, float y, float radius) const {
  // A twip position falls on the centre of the pixel it rounds to.
  return {static_cast<double>(x) / twipsPerPixelX_ + 0.5,
          static_cast<double>(y) / twipsPerPixelY_ + 0.5,
          static_cast<double>(radius) / twipsPerPixelX_,
          static_cast<double>(radius) / twipsPerPixelY_};
}

PixelRect PixelCanvas::Rasterise(const PixelEllipse& ellipse, std::uint8_t outline,
                                 const std::uint8_t* fill, const PixelRect& clip) {
  PixelRect changed;
  ForEachEllipseSpan(ellipse, fill != nullptr, clip, Rect(),
                     [&](int row, int from, int to, bool interior) {
                       WriteRun(row, from, to, interior ? *fill : outline, changed);
                     });
  return changed;
}

void PixelCanvas::Circle(float x, float y, float radius, Color color) {
  if (!(radius > 0)) {
    return;
  }
  const PixelEllipse ellipse = ToPixels(x, y, radius);
  const bool filled = FillStyle() == kFillSolid;
  StandingShape drawn{x,       y,
                      radius,  color,
                      filled,  filled ? FillColor() : 0,
                      ellipse, EllipseBounds(ellipse, Rect()),
                      {}};
  if (filled && drawn.bounds.Area() < StandingShapes::kSmallestDisc) {
    const std::uint8_t fill = palette_.IndexOf(FillColor());
    Changed(Rasterise(ellipse, palette_.IndexOf(color), &fill, Rect()), nullptr, nullptr);
    return;
  }
  DrawStanding(drawn);
}

void PixelCanvas::DrawStanding(const StandingShape& drawn) {
  const std::uint8_t outline = palette_.IndexOf(drawn.color);
  const std::uint8_t fill = drawn.filled ? palette_.IndexOf(drawn.fillColor) : 0;
  const std::uint8_t* interior = drawn.filled ? &fill : nullptr;
  StandingShape* standing = shapes_.Find(drawn);
  if (standing == nullptr) {
    standing = &shapes_.Remember(drawn);
    Changed(Rasterise(standing->shape, outline, interior, Rect()), standing, nullptr);
    return;
  }
  // Everywhere else the shape's pixels are still as its last draw left them.
  for (const PixelRect& rect : shapes_.TakeDamage(*standing)) {
    Changed(Rasterise(standing->shape, outline, interior, rect), standing, nullptr);
  }
}

void PixelCanvas::Line(float x1, float y1, float x2, float y2, Color color) {
  const auto column = [&](float x, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5), low, high);
  };
  const auto row = [&](float y, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5), low, high);
  };
  // Both corners are part of the box.
  const PixelRect box = PixelRect::FromCorners(
      column(std::min(x1, x2), 0, width_), row(std::min(y1, y2), 0, height_),
      column(std::max(x1, x2), -1, width_ - 1), row(std::max(y1, y2), -1, height_ - 1));
  if (box.IsEmpty()) {
    return;
  }
  const std::uint8_t index = palette_.IndexOf(color);
  PixelRect changed;
  for (int y = box.top; y <= box.Bottom(); ++y) {
    WriteRun(y, box.left, box.Right(), index, changed);
  }
  Changed(changed, nullptr, nullptr);
}

float PixelCanvas::TextWidth(std::string_view text) {
  return static_cast<float>(texts_.LayOut(text, *glyphs_).advance) * twipsPerPixelX_;
}

float PixelCanvas::TextHeight(std::string_view) {
  return static_cast<float>(glyphs_->LineHeight()) * twipsPerPixelY_;
}

void PixelCanvas::DrawText(float x, float y, std::string_view text) {
  const LaidOutText& laidOut = texts_.LayOut(text, *glyphs_);
  const double left = std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5);
  const double top = std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5);
  const int height = glyphs_->LineHeight();
  // Far-off text is skipped before its position is turned into an int, and so is text at a
  // position that is no number, which no int can hold.
  if (!(left < width_ && top < height_ && left + laidOut.advance + height >= 0 &&
        top + 2 * height >= 0)) {
    return;
  }
  const int originX = static_cast<int>(left);
  const int originY = static_cast<int>(top);
  const StandingText drawn{
      &laidOut,
      texts_.Generation(),
      originX,
      originY,
      palette_.IndexOf(ForeColor()),
      PixelRect::Intersected(laidOut.ink.bounds.Translated(originX, originY), Rect()),
      {}};
  StandingText* standing = standingTexts_.Find(drawn);
  if (standing == nullptr) {
    DrawInk(standingTexts_.DrawnRecently(drawn) ? standingTexts_.Remember(drawn) : drawn, Rect());
    return;
  }
  // Everywhere else the ink is still as its last draw left it.
  for (const PixelRect& rect : standingTexts_.TakeDamage(*standing)) {
    DrawInk(*standing, rect);
  }
}

void PixelCanvas::DrawInk(const StandingText& text, const PixelRect& clip) {
  const InkMask& ink = text.text->ink;
  const PixelRect area = PixelRect::Intersected(text.bounds, clip);
  const int left = text.x + ink.bounds.left;
  const int top = text.y + ink.bounds.top;
  PixelRect changed;
  for (int row = area.top; row <= area.Bottom(); ++row) {
    const int y = row - top;
    const RowRun inked = ink.rows[static_cast<std::size_t>(y)];
    const int from = std::max(left + inked.left, area.left);
    const int to = std::min(left + inked.right, area.Right());
    if (from > to) {
      continue;
    }
    std::uint8_t* line = pixels_.data() + static_cast<std::size_t>(row) * width_ + from;
    const std::uint8_t* mask = ink.Row(y) + (from - left);
    const int count = to - from + 1;
    const RowRun differing = DifferingInk(line, mask, count, text.colour);
    if (differing.Empty()) {
      continue;
    }
    // Logged as one change from the first pixel that changes to the last.
    changes_.WillChange(row, from + differing.left, from + differing.right, line + differing.left);
    PaintInk(line + differing.left, mask + differing.left, differing.right - differing.left + 1,
             text.colour);
    changed = PixelRect::United(
        changed, {from + differing.left, row, differing.right - differing.left + 1, 1});
  }
  Changed(changed, nullptr, &text);
}

void PixelCanvas::Changed(const PixelRect& rect, const StandingShape* shape,
                          const StandingText* text) {
  shapes_.MarkDamaged(rect, shape);
  standingTexts_.MarkDamaged(rect, text);
}

void PixelCanvas::Clear() {
  std::fill(pixels_.begin(), pixels_.end(), 0);
  shapes_.Clear();
  standingTexts_.Clear();
  changes_.ChangeAll();
}

}  // namespace quorvane
