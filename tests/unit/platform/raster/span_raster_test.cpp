// The rasteriser's spans: clipping at the canvas's edges, circles smaller than a pixel, the
// changed stretch of a row and glyph ink.
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
    EXPECT_LE(from, to);
    for (int x = from; x <= to; ++x) {
      EXPECT_TRUE(pixels.insert({x, row}).second) << "pixel visited twice " << x << "," << row;
    }
  });
  return pixels;
}

TEST(SpanRaster, SpansAtTheCanvasEdgesAreTheWholeShapeCutToTheCanvas) {
  const PixelRect canvas{0, 0, 40, 30};
  const PixelRect far{-1000, -1000, 2040, 2030};
  for (const PixelEllipse e : {PixelEllipse{0.5, 15, 10, 10}, PixelEllipse{39.5, 29.5, 7.3, 7.3},
                               PixelEllipse{20, -3, 6, 6}, PixelEllipse{-5.2, 40.1, 9, 12},
                               PixelEllipse{20, 15, 100, 100}}) {
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
  // Drawn piecewise inside clip rectangles, a shape is the same as drawn whole.
  const PixelEllipse ring{17.3, 12.8, 11.2, 11.2};
  Pixels pieces;
  for (const PixelRect clip :
       {PixelRect{0, 0, 20, 30}, PixelRect{20, 0, 20, 13}, PixelRect{20, 13, 20, 17}}) {
    const Pixels piece = Spans(ring, false, clip, canvas);
    pieces.insert(piece.begin(), piece.end());
  }
  EXPECT_EQ(pieces, Spans(ring, false, canvas, canvas));
}

TEST(SpanRaster, CircleSmallerThanAPixelShowsThePixelUnderItsCentre) {
  const PixelRect canvas{0, 0, 10, 10};
  struct Case {
    PixelEllipse e;
    Pixels expected;
  };
  for (const Case& c :
       {Case{{3.2, 4.9, 0.3, 0.3}, {{3, 4}}}, Case{{3.99, 4.01, 0.01, 0.01}, {{3, 4}}},
        Case{{9.7, 0.2, 0.2, 0.2}, {{9, 0}}},
        // Its centre off the canvas: nothing, even at the very edge.
        Case{{-0.2, 5, 0.1, 0.1}, {}}, Case{{5, 10.0, 0.4, 0.4}, {}},
        // Covering a pixel centre: the covered centres only.
        Case{{5.2, 5.5, 0.35, 0.35}, {{5, 5}}},
        // Covering two centres: both.
        Case{{5.0, 5.5, 0.6, 0.6}, {{4, 5}, {5, 5}}}}) {
    for (const bool fill : {false, true}) {
      EXPECT_EQ(Spans(c.e, fill, canvas, canvas), c.expected) << c.e.cx << "," << c.e.cy;
    }
  }
  // Outside the clip rectangle the pixel is not set.
  EXPECT_TRUE(Spans({3.2, 4.9, 0.3, 0.3}, false, {4, 0, 6, 10}, canvas).empty());
}

TEST(SpanRaster, DifferingRunIsTheStretchThatWouldChange) {
  std::vector<std::uint8_t> line(40, 7);
  EXPECT_TRUE(DifferingRun(line.data(), 0, 39, 7).Empty());
  EXPECT_TRUE(DifferingRun(line.data(), 5, 4, 1).Empty());
  line[3] = 1;
  line[30] = 2;
  // Past eight-byte words at either end.
  const RowRun run = DifferingRun(line.data(), 0, 39, 7);
  EXPECT_EQ(run.left, 3);
  EXPECT_EQ(run.right, 30);
  EXPECT_EQ(DifferingRun(line.data(), 4, 39, 7).left, 30);
  EXPECT_TRUE(DifferingRun(line.data(), 4, 29, 7).Empty());
  const RowRun all = DifferingRun(line.data(), 0, 39, 1);
  EXPECT_EQ(all.left, 0);
  EXPECT_EQ(all.right, 39);
}

TEST(SpanRaster, InkIsTheMasksHalfCoveredPixelsReadOnlyAsFarAsTheMaskGoes) {
  GlyphMask mask{-1, 2, 4, 3, {0, 128, 255, 0, 127, 0, 200, 201}, 5};  // a row and a half
  std::vector<PixelRect> ink;
  const PixelRect bounds = InkRuns(mask, ink);
  EXPECT_EQ(ink, (std::vector<PixelRect>{{0, 2, 2, 1}, {1, 3, 2, 1}}));
  EXPECT_EQ(bounds, (PixelRect{0, 2, 3, 2}));
  mask.width = -3;
  ink.clear();
  EXPECT_TRUE(InkRuns(mask, ink).IsEmpty());
  EXPECT_TRUE(ink.empty());
}

}  // namespace
}  // namespace quorvane
