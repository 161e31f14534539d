// The standing texts: what counts as the same draw, and on a real canvas a text standing under
// other text and boxes, repaired exactly when drawn again.
#include "core/platform/raster/standing_texts.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/platform/pixel_canvas.h"

namespace quorvane {
namespace {

TEST(StandingTexts, OnlyTheSameLayoutPlaceColourAndGenerationIsTheSameDraw) {
  const LaidOutText hello;
  const LaidOutText world;
  StandingTexts texts;
  texts.Remember({&hello, 0, 10, 20, 1, {10, 20, 30, 8}, {}});
  for (const StandingText& other :
       {StandingText{&world, 0, 10, 20, 1, {}, {}}, StandingText{&hello, 1, 10, 20, 1, {}, {}},
        StandingText{&hello, 0, 11, 20, 1, {}, {}}, StandingText{&hello, 0, 10, 20, 2, {}, {}}}) {
    EXPECT_EQ(texts.Find(other), nullptr);
  }
  EXPECT_NE(texts.Find({&hello, 0, 10, 20, 1, {}, {}}), nullptr);
}

TEST(StandingTexts, OnlyATextDrawnTheSameWayWithinTheLastSixteenDrawsIsWorthRemembering) {
  const LaidOutText name;
  const LaidOutText other;
  StandingTexts texts;
  const StandingText drawn{&name, 0, 10, 20, 1, {}, {}};
  EXPECT_FALSE(texts.DrawnRecently(drawn));
  // Moved, recoloured, another text, or the cache emptied since: not the same draw.
  for (const StandingText& moved :
       {StandingText{&name, 0, 11, 20, 1, {}, {}}, StandingText{&name, 0, 10, 20, 2, {}, {}},
        StandingText{&other, 0, 10, 20, 1, {}, {}}, StandingText{&name, 1, 10, 20, 1, {}, {}}}) {
    EXPECT_FALSE(texts.DrawnRecently(moved));
  }
  EXPECT_TRUE(texts.DrawnRecently(drawn));
  // Sixteen other draws later it is forgotten; a cleared canvas forgets it at once.
  for (int x = 100; x < 112; ++x) {
    EXPECT_FALSE(texts.DrawnRecently({&name, 0, x, 0, 1, {}, {}}));
  }
  EXPECT_FALSE(texts.DrawnRecently(drawn));
  EXPECT_TRUE(texts.DrawnRecently(drawn));
  texts.Clear();
  EXPECT_FALSE(texts.DrawnRecently(drawn));
}

// Every byte a 4 x 6 block of ink on a 5-pixel advance.
class BlockGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view text) override {
    const int width = 5 * static_cast<int>(text.size());
    GlyphMask mask{
        0, 0, width, 6, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 6), width};
    for (std::size_t i = 0; i < mask.coverage.size(); ++i) {
      mask.coverage[i] = i % 5 < 4 ? 255 : 0;
    }
    return mask;
  }
  int LineHeight() const override { return 8; }
};

TEST(StandingTexts, TextUnderOtherTextAndBoxesIsWholeAgainWhenDrawnAgain) {
  constexpr float kTwips = 15;
  const auto print = [](PixelCanvas& canvas, const char* text, Color colour, int x, int y) {
    canvas.SetForeColor(colour);
    canvas.SetCurrentX(static_cast<float>(x) * kTwips);
    canvas.SetCurrentY(static_cast<float>(y) * kTwips);
    canvas.Print(text);
  };
  PixelCanvas canvas(120, 40, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  PixelCanvas fresh(120, 40, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  print(fresh, "magnification", 0xFFFFFF, 10, 10);
  for (int frame = 0; frame < 3; ++frame) {
    print(canvas, "magnification", 0xFFFFFF, 10, 10);
    // A name printed over it and erased again in black, a box erased across it.
    print(canvas, "Io", 0x00FF00, 20 + 7 * frame, 12);
    canvas.Line(static_cast<float>(60 + frame) * kTwips, 0, static_cast<float>(64 + frame) * kTwips,
                13 * kTwips, 0);
    print(canvas, "Io", 0, 20 + 7 * frame, 12);
    print(canvas, "magnification", 0xFFFFFF, 10, 10);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 120; ++x) {
        ASSERT_EQ(canvas.PixelColor(x, y), fresh.PixelColor(x, y))
            << frame << ": " << x << "," << y;
      }
    }
  }
  canvas.TakeDirtyRegion();
  print(canvas, "magnification", 0xFFFFFF, 10, 10);
  EXPECT_TRUE(canvas.TakeDirtyRegion().empty());
}

}  // namespace
}  // namespace quorvane
