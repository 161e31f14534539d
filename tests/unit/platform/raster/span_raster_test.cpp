// The rasteriser's spans: clipping at the canvas's edges, circles smaller than a pixel, the
// changed stretch of a row and glyph ink from a short mask.
#include "core/platform/raster/span_raster.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace quorvane {
namespace {

using Pixels = std::set<std::pair<int, int>>;  // (column, row)

Pixels Spans(const PixelEllipse& e, bool fill, const PixelRect& clip, const PixelRect& canvas) {
  Pixels pixels;
  ForEachEllipseSpan(e, fill, clip, canvas, [&](int row, int from, int to, bool) {
    for (int x = from; x <= to; ++x) {
      EXPECT_TRUE(pixels.insert({x, row}).second) << "visited twice " << x << "," << row;
    }
  });
  return pixels;
}

TEST(SpanRaster, SpansAtTheCanvasEdgesAreTheWholeShapeCutToTheCanvas) {
  const PixelRect canvas{0, 0, 40, 30};
  const PixelRect far{-1000, -1000, 2040, 2030};
  for (const PixelEllipse e : {PixelEllipse{0.5, 15, 10, 10}, PixelEllipse{39.5, 29.5, 7.3, 7.3},
                               PixelEllipse{-5.2, 40.1, 9, 12}, PixelEllipse{20, 15, 100, 100}}) {
    for (const bool fill : {false, true}) {
      Pixels expected;
      for (const auto& pixel : Spans(e, fill, far, far)) {
        if (canvas.Contains(pixel.first, pixel.second)) {
          expected.insert(pixel);
        }
      }
      EXPECT_EQ(Spans(e, fill, canvas, canvas), expected) << e.cx << "," << e.cy << " r" << e.rx;
    }
  }
}

TEST(SpanRaster, CircleSmallerThanAPixelShowsThePixelUnderItsCentreIfOnTheCanvas) {
  const PixelRect canvas{0, 0, 10, 10};
  struct Case {
    PixelEllipse e;
    Pixels expected;
  };
  for (const Case& c : {Case{{3.2, 4.9, 0.3, 0.3}, {{3, 4}}}, Case{{9.7, 0.2, 0.2, 0.2}, {{9, 0}}},
                        Case{{-0.2, 5, 0.1, 0.1}, {}}, Case{{5, 10.0, 0.4, 0.4}, {}},
                        Case{{5.0, 5.5, 0.6, 0.6}, {{4, 5}, {5, 5}}}}) {
    EXPECT_EQ(Spans(c.e, true, canvas, canvas), c.expected) << c.e.cx << "," << c.e.cy;
  }
  EXPECT_TRUE(Spans({3.2, 4.9, 0.3, 0.3}, false, {4, 0, 6, 10}, canvas).empty());
}

TEST(SpanRaster, DifferingRunAndInkReadOnlyWhatIsThere) {
  std::vector<std::uint8_t> line(40, 7);
  EXPECT_TRUE(DifferingRun(line.data(), 0, 39, 7).Empty());
  line[3] = 1;
  line[30] = 2;
  const RowRun run = DifferingRun(line.data(), 0, 39, 7);
  EXPECT_EQ(std::make_pair(run.left, run.right), std::make_pair(3, 30));
  EXPECT_TRUE(DifferingRun(line.data(), 4, 29, 7).Empty());
  // A mask shorter than its size claims: a row and a half.
  const GlyphMask mask{-1, 2, 4, 3, {0, 128, 255, 0, 127, 0, 200, 201}, 5};
  const InkMask ink = MaskInk(mask);
  EXPECT_EQ(ink.bounds, (PixelRect{0, 2, 3, 2}));
  EXPECT_EQ(ink.bytes, (std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(std::make_pair(ink.rows[0].left, ink.rows[0].right), std::make_pair(0, 1));
  EXPECT_EQ(std::make_pair(ink.rows[1].left, ink.rows[1].right), std::make_pair(1, 2));
  EXPECT_TRUE(MaskInk({0, 0, 3, 2, {0, 127, 0, 1, 0, 0}, 3}).bounds.IsEmpty());
}

TEST(SpanRaster, InkChangesAndPaintsExactlyTheCoveredPixelsThatDiffer) {
  // Every pattern of ink, and of pixels already in the colour, over spans either side of a
  // vector's width, against a plain pixel-by-pixel rule.
  constexpr std::uint8_t kColour = 3;
  for (const int count : {1, 2, 7, 15, 16, 17, 33, 64}) {
    for (unsigned pattern = 0; pattern < 64; ++pattern) {
      std::vector<std::uint8_t> ink(static_cast<std::size_t>(count));
      std::vector<std::uint8_t> line(static_cast<std::size_t>(count));
      for (int x = 0; x < count; ++x) {
        ink[x] = (pattern >> (x % 6)) & 1 ? 0xFF : 0;
        line[x] = static_cast<std::uint8_t>((pattern >> ((x + 3) % 6)) & 1 ? kColour : x % 5);
      }
      RowRun expected;
      std::vector<std::uint8_t> painted = line;
      for (int x = 0; x < count; ++x) {
        if (ink[x] != 0 && line[x] != kColour) {
          expected.left = expected.Empty() ? x : expected.left;
          expected.right = x;
        }
        painted[x] = ink[x] != 0 ? kColour : line[x];
      }
      const RowRun found = DifferingInk(line.data(), ink.data(), count, kColour);
      EXPECT_EQ(std::make_pair(found.left, found.right),
                std::make_pair(expected.left, expected.right))
          << count << " " << pattern;
      PaintInk(line.data(), ink.data(), count, kColour);
      EXPECT_EQ(line, painted) << count << " " << pattern;
    }
  }
}

TEST(SpanRaster, DifferingRunFindsTheSameEndsOnShortAndLongSpans) {
  // Spans of every length either side of the byte-at-a-time limit, with the differing bytes at
  // the ends, just inside them, and nowhere, against a plain search.
  for (int length = 1; length <= 40; ++length) {
    for (int first = -1; first < length; ++first) {
      std::vector<std::uint8_t> line(static_cast<std::size_t>(length) + 2, 5);
      if (first >= 0) {
        line[static_cast<std::size_t>(1 + first)] = 9;
        line[static_cast<std::size_t>(length - first)] = 9;
      }
      RowRun expected;
      for (int x = 1; x <= length; ++x) {
        if (line[static_cast<std::size_t>(x)] != 5) {
          expected.left = expected.Empty() ? x : expected.left;
          expected.right = x;
        }
      }
      const RowRun run = DifferingRun(line.data(), 1, length, 5);
      ASSERT_EQ(run.Empty(), expected.Empty()) << length << ' ' << first;
      if (!run.Empty()) {
        EXPECT_EQ(std::make_pair(run.left, run.right),
                  std::make_pair(expected.left, expected.right))
            << length << ' ' << first;
      }
    }
  }
}

}  // namespace
}  // namespace quorvane
