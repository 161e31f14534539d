#include "qt/platform/qt_canvas.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kTwipsPerInch = 1440;
// Rings remembered for cheap redraws; a frame redraws at most nine, the rest are leftovers of
// the load step.
constexpr std::size_t kMaxRings = 24;
// Beyond this many rectangles a ring's damage is kept as their bounding rectangle.
constexpr std::size_t kMaxDamageRects = 32;
// Texts kept rendered: the overlay's three lines and the ten names, with room to spare.
constexpr std::size_t kMaxTexts = 64;
constexpr int kMaxColours = 256;

double Square(double value) {
  return value * value;
}

// `value`, a whole number of any size (infinities included), clamped into [low, high].
int ClampToInt(double value, int low, int high) {
  if (!(value > low)) {
    return low;
  }
  if (!(value < high)) {
    return high;
  }
  return static_cast<int>(value);
}

// The columns whose pixel centres lie inside the ellipse on row `row`; empty when first > last.
struct Span {
  double first = 1;
  double last = 0;
  bool Empty() const { return first > last; }
};

Span RowSpan(double cx, double cy, double rx, double ry, int row) {
  if (rx <= 0 || ry <= 0) {
    return {};
  }
  const double t = (row + 0.5 - cy) / ry;
  if (t * t > 1) {
    return {};
  }
  const double halfWidth = rx * std::sqrt(1 - t * t);
  return {std::ceil(cx - halfWidth - 0.5), std::floor(cx + halfWidth - 0.5)};
}

void FillSpan(std::uint8_t* line, double first, double last, const QRect& clip,
              std::uint8_t color) {
  const int from = ClampToInt(first, clip.left(), clip.right() + 1);
  const int to = ClampToInt(last, clip.left() - 1, clip.right());
  if (from <= to) {
    std::fill(line + from, line + to + 1, color);
  }
}

}  // namespace

QColor ToQColor(Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QtCanvas::QtCanvas(QSize pixelSize, float twipsPerPixelX, float twipsPerPixelY, QColor background,
                   const QFont& font)
    : image_(pixelSize, QImage::Format_Indexed8),
      palette_{background.rgb()},
      twipsPerPixelX_(twipsPerPixelX),
      twipsPerPixelY_(twipsPerPixelY),
      font_(font),
      metrics_(font) {
  // The image's resolution is the screen's, so point sizes give the same pixels as on the screen.
  image_.setDotsPerMeterX(
      static_cast<int>(std::lround(kTwipsPerInch / twipsPerPixelX / kMetresPerInch)));
  image_.setDotsPerMeterY(
      static_cast<int>(std::lround(kTwipsPerInch / twipsPerPixelY / kMetresPerInch)));
  image_.setColorTable(QList<QRgb>(palette_.begin(), palette_.end()));
  image_.fill(0);
  font_.setStyleStrategy(QFont::NoAntialias);
  metrics_ = QFontMetrics(font_, &image_);
  dirty_.assign(1, image_.rect());
}

std::uint8_t QtCanvas::ColourIndex(Color color) {
  const QRgb rgb = ToQColor(color).rgb();
  const auto found = std::find(palette_.begin(), palette_.end(), rgb);
  if (found != palette_.end()) {
    return static_cast<std::uint8_t>(found - palette_.begin());
  }
  if (palette_.size() < kMaxColours) {
    palette_.push_back(rgb);
    image_.setColor(static_cast<int>(palette_.size() - 1), rgb);
    return static_cast<std::uint8_t>(palette_.size() - 1);
  }
  const auto distance = [rgb](QRgb other) {
    return Square(qRed(rgb) - qRed(other)) + Square(qGreen(rgb) - qGreen(other)) +
           Square(qBlue(rgb) - qBlue(other));
  };
  const auto nearest =
      std::min_element(palette_.begin(), palette_.end(),
                       [&distance](QRgb a, QRgb b) { return distance(a) < distance(b); });
  return static_cast<std::uint8_t>(nearest - palette_.begin());
}

QRegion QtCanvas::TakeDirtyRegion() {
  // Two rectangles merge when their bounding rectangle adds little area: each rectangle costs the
  // window about as much as a few hundred pixels, and a region grows slowly with many of them.
  constexpr int kMergeSlack = 1024;  // pixels
  const auto area = [](const QRect& rect) { return rect.width() * rect.height(); };
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < dirty_.size(); ++i) {
      for (std::size_t j = i + 1; j < dirty_.size();) {
        const QRect united = dirty_[i] | dirty_[j];
        if (area(united) <= area(dirty_[i]) + area(dirty_[j]) + kMergeSlack) {
          dirty_[i] = united;
          dirty_[j] = dirty_.back();
          dirty_.pop_back();
          merged = true;
        } else {
          ++j;
        }
      }
    }
  }
  QRegion taken;
  for (const QRect& rect : dirty_) {
    taken += rect;
  }
  dirty_.clear();
  return taken;
}

QtCanvas::Ellipse QtCanvas::ToPixels(float x, float y, float radius) const {
  // A twip position falls on the centre of the pixel it rounds to.
  return {static_cast<double>(x) / twipsPerPixelX_ + 0.5,
          static_cast<double>(y) / twipsPerPixelY_ + 0.5,
          static_cast<double>(radius) / twipsPerPixelX_,
          static_cast<double>(radius) / twipsPerPixelY_};
}

QRect QtCanvas::Bounds(const Ellipse& ellipse) const {
  const QRect all = image_.rect();
  const int left = ClampToInt(std::floor(ellipse.cx - ellipse.rx) - 1, all.left(), all.right() + 1);
  const int right = ClampToInt(std::ceil(ellipse.cx + ellipse.rx) + 1, all.left() - 1, all.right());
  const int top = ClampToInt(std::floor(ellipse.cy - ellipse.ry) - 1, all.top(), all.bottom() + 1);
  const int bottom =
      ClampToInt(std::ceil(ellipse.cy + ellipse.ry) + 1, all.top() - 1, all.bottom());
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

void QtCanvas::Rasterise(const Ellipse& e, std::uint8_t outline, const std::uint8_t* fill,
                         const QRect& clip) {
  const int top = ClampToInt(std::ceil(e.cy - e.ry - 0.5), clip.top(), clip.bottom() + 1);
  const int bottom = ClampToInt(std::floor(e.cy + e.ry - 0.5), clip.top() - 1, clip.bottom());
  if (e.rx < 1 && e.ry < 1) {
    // A circle that holds no pixel centre still shows as the pixel under its centre.
    // Rows far off the image cannot change the outcome: the centre pixel is off it as well.
    const int height = image_.height();
    bool coversCentre = false;
    for (int row = ClampToInt(std::ceil(e.cy - e.ry - 0.5), -2, height + 2);
         row <= ClampToInt(std::floor(e.cy + e.ry - 0.5), -3, height + 1); ++row) {
      coversCentre = coversCentre || !RowSpan(e.cx, e.cy, e.rx, e.ry, row).Empty();
    }
    if (!coversCentre) {
      const QPoint centre(ClampToInt(std::floor(e.cx), -1, image_.width()),
                          ClampToInt(std::floor(e.cy), -1, image_.height()));
      if (clip.contains(centre)) {
        image_.scanLine(centre.y())[centre.x()] = outline;
      }
      return;
    }
  }
  for (int row = top; row <= bottom; ++row) {
    const Span outer = RowSpan(e.cx, e.cy, e.rx, e.ry, row);
    if (outer.Empty()) {
      continue;
    }
    // The outline is what lies inside the ellipse but not inside the one a pixel smaller.
    const Span inner = RowSpan(e.cx, e.cy, e.rx - 1, e.ry - 1, row);
    std::uint8_t* line = image_.scanLine(row);
    if (inner.Empty()) {
      FillSpan(line, outer.first, outer.last, clip, outline);
      continue;
    }
    FillSpan(line, outer.first, inner.first - 1, clip, outline);
    FillSpan(line, inner.last + 1, outer.last, clip, outline);
    if (fill != nullptr) {
      FillSpan(line, inner.first, inner.last, clip, *fill);
    }
  }
}

void QtCanvas::Circle(float x, float y, float radius, Color color) {
  if (!(radius > 0)) {
    return;
  }
  const Ellipse ellipse = ToPixels(x, y, radius);
  if (FillStyle() != kFillSolid) {
    DrawRing(x, y, radius, color, ellipse);
    return;
  }
  const std::uint8_t fill = ColourIndex(FillColor());
  Rasterise(ellipse, ColourIndex(color), &fill, image_.rect());
  MarkDirty(Bounds(ellipse), nullptr);
}

namespace {

// Whether two one-pixel outlines may share pixels. Concentric rings of different radii never do,
// so redrawing one never obliges the other to redraw.
bool OutlinesMayMeet(double cx1, double cy1, double rx1, double ry1, double cx2, double cy2,
                     double rx2, double ry2) {
  const double distance = std::hypot(cx1 - cx2, cy1 - cy2);
  const double inner1 = std::min(rx1, ry1) - 2;
  const double outer1 = std::max(rx1, ry1) + 2;
  const double inner2 = std::min(rx2, ry2) - 2;
  const double outer2 = std::max(rx2, ry2) + 2;
  return distance <= outer1 + outer2 && distance >= std::max(inner1 - outer2, inner2 - outer1);
}

// Whether the rectangle of pixels may hold pixels of the ellipse's one-pixel outline.
bool TouchesOutline(double cx, double cy, double rx, double ry, const QRect& rect) {
  const double left = rect.left();
  const double right = rect.right() + 1.0;
  const double top = rect.top();
  const double bottom = rect.bottom() + 1.0;
  const double nearX = std::clamp(cx, left, right) - cx;
  const double nearY = std::clamp(cy, top, bottom) - cy;
  if (Square(nearX / (rx + 1)) + Square(nearY / (ry + 1)) > 1) {
    return false;
  }
  if (rx <= 2 || ry <= 2) {
    return true;
  }
  const double farX = std::max(std::abs(left - cx), std::abs(right - cx));
  const double farY = std::max(std::abs(top - cy), std::abs(bottom - cy));
  return Square(farX / (rx - 2)) + Square(farY / (ry - 2)) >= 1;
}

}  // namespace

void QtCanvas::DrawRing(float x, float y, float radius, Color color, const Ellipse& ellipse) {
  const std::uint8_t outline = ColourIndex(color);
  const auto same = [&](const Ring& ring) {
    return ring.x == x && ring.y == y && ring.radius == radius && ring.color == color;
  };
  auto found = std::find_if(rings_.begin(), rings_.end(), same);
  if (found == rings_.end()) {
    if (rings_.size() == kMaxRings) {
      rings_.erase(rings_.begin());
    }
    rings_.push_back({x, y, radius, color, ellipse, Bounds(ellipse), {}});
    Rasterise(ellipse, outline, nullptr, image_.rect());
    MarkDirty(rings_.back().bounds, &rings_.back());
    return;
  }
  // Everywhere else the ring's pixels are still as its last draw left them.
  std::rotate(found, found + 1, rings_.end());
  Ring& ring = rings_.back();
  std::vector<QRect> damage;
  damage.swap(ring.damage);
  for (const QRect& rect : damage) {
    Rasterise(ellipse, outline, nullptr, rect);
    MarkDirty(rect, &ring);
  }
}

void QtCanvas::MarkDirty(const QRect& rect, const Ring* source) {
  if (rect.isEmpty()) {
    return;
  }
  dirty_.push_back(rect);
  for (Ring& ring : rings_) {
    if (&ring == source || !ring.bounds.intersects(rect)) {
      continue;
    }
    const Ellipse& shape = ring.shape;
    // A ring only changes its own outline's pixels.
    if (source != nullptr &&
        !OutlinesMayMeet(shape.cx, shape.cy, shape.rx, shape.ry, source->shape.cx, source->shape.cy,
                         source->shape.rx, source->shape.ry)) {
      continue;
    }
    const QRect part = rect & ring.bounds;
    if (!TouchesOutline(shape.cx, shape.cy, shape.rx, shape.ry, part)) {
      continue;
    }
    if (ring.damage.size() == kMaxDamageRects) {
      QRect united = part;
      for (const QRect& earlier : ring.damage) {
        united |= earlier;
      }
      ring.damage.assign(1, united);
    } else {
      ring.damage.push_back(part);
    }
  }
}

void QtCanvas::Line(float x1, float y1, float x2, float y2, Color color) {
  const QRect all = image_.rect();
  const auto column = [&](float x, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5), low, high);
  };
  const auto row = [&](float y, int low, int high) {
    return ClampToInt(std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5), low, high);
  };
  // Both corners are part of the box.
  const QRect box(QPoint(column(std::min(x1, x2), all.left(), all.right() + 1),
                         row(std::min(y1, y2), all.top(), all.bottom() + 1)),
                  QPoint(column(std::max(x1, x2), all.left() - 1, all.right()),
                         row(std::max(y1, y2), all.top() - 1, all.bottom())));
  if (box.isEmpty()) {
    return;
  }
  const std::uint8_t index = ColourIndex(color);
  for (int y = box.top(); y <= box.bottom(); ++y) {
    std::fill_n(image_.scanLine(y) + box.left(), box.width(), index);
  }
  MarkDirty(box, nullptr);
}

const QtCanvas::LaidOutText& QtCanvas::LayOut(std::string_view text) {
  const auto found = texts_.find(std::string(text));
  if (found != texts_.end()) {
    return found->second;
  }
  if (texts_.size() == kMaxTexts) {
    texts_.clear();
  }
  const QString string = QString::fromUtf8(text);
  LaidOutText laidOut;
  laidOut.advance = metrics_.horizontalAdvance(string);
  // Rendered in white on transparent at the canvas's resolution; every opaque pixel is ink.
  const QRect box = (metrics_.boundingRect(string).translated(0, metrics_.ascent()) |
                     QRect(0, 0, laidOut.advance, metrics_.height()))
                        .adjusted(-2, -2, 2, 2);
  QImage glyphs(box.size(), QImage::Format_ARGB32_Premultiplied);
  glyphs.setDotsPerMeterX(image_.dotsPerMeterX());
  glyphs.setDotsPerMeterY(image_.dotsPerMeterY());
  glyphs.fill(Qt::transparent);
  QPainter painter(&glyphs);
  painter.setFont(font_);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(-box.left(), metrics_.ascent() - box.top()), string);
  painter.end();
  for (int y = 0; y < glyphs.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
    for (int x = 0; x < glyphs.width(); ++x) {
      if (qAlpha(line[x]) < 128) {
        continue;
      }
      const int first = x;
      while (x + 1 < glyphs.width() && qAlpha(line[x + 1]) >= 128) {
        ++x;
      }
      laidOut.ink.emplace_back(box.left() + first, box.top() + y, x - first + 1, 1);
      laidOut.bounds |= laidOut.ink.back();
    }
  }
  return texts_.emplace(std::string(text), std::move(laidOut)).first->second;
}

float QtCanvas::TextWidth(std::string_view text) {
  return static_cast<float>(LayOut(text).advance) * twipsPerPixelX_;
}

float QtCanvas::TextHeight(std::string_view) {
  return static_cast<float>(metrics_.height()) * twipsPerPixelY_;
}

void QtCanvas::DrawText(float x, float y, std::string_view text) {
  const LaidOutText& laidOut = LayOut(text);
  const double left = std::floor(static_cast<double>(x) / twipsPerPixelX_ + 0.5);
  const double top = std::floor(static_cast<double>(y) / twipsPerPixelY_ + 0.5);
  const int height = metrics_.height();
  // Far-off text is skipped before its position is turned into an int.
  if (left >= image_.width() || top >= image_.height() || left + laidOut.advance + height < 0 ||
      top + 2 * height < 0) {
    return;
  }
  const QPoint topLeft(static_cast<int>(left), static_cast<int>(top));
  const std::uint8_t index = ColourIndex(ForeColor());
  const QRect all = image_.rect();
  for (const QRect& run : laidOut.ink) {
    const int row = topLeft.y() + run.y();
    if (row >= 0 && row < image_.height()) {
      FillSpan(image_.scanLine(row), topLeft.x() + run.left(), topLeft.x() + run.right(), all,
               index);
    }
  }
  MarkDirty(laidOut.bounds.translated(topLeft) & all, nullptr);
}

void QtCanvas::Clear() {
  image_.fill(0);
  rings_.clear();
  dirty_.assign(1, image_.rect());
}

}  // namespace quorvane
