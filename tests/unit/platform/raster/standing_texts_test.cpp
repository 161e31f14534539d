// The standing texts: which changes damage a remembered text, what counts as the same draw, and
// on a real canvas a text standing under other text and boxes, repaired exactly when drawn again.
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
  EXPECT_NE(texts.Find({&hello, 0, 10, 20, 1, {}, {}}), nullptr);
  for (const StandingText& other :
       {StandingText{&world, 0, 10, 20, 1, {}, {}}, StandingText{&hello, 1, 10, 20, 1, {}, {}},
        StandingText{&hello, 0, 11, 20, 1, {}, {}}, StandingText{&hello, 0, 10, 19, 1, {}, {}},
        StandingText{&hello, 0, 10, 20, 2, {}, {}}}) {
    EXPECT_EQ(texts.Find(other), nullptr);
  }
  StandingText* text = texts.Find({&hello, 0, 10, 20, 1, {}, {}});
  // Its own drawing and changes beside it do not damage it; changes over its ink do.
  texts.MarkDamaged({10, 20, 30, 8}, text);
  texts.MarkDamaged({40, 20, 5, 5}, nullptr);
  EXPECT_TRUE(texts.TakeDamage(*text).empty());
  texts.MarkDamaged({35, 10, 10, 12}, nullptr);
  EXPECT_EQ(texts.TakeDamage(*text), (std::vector<PixelRect>{{35, 20, 5, 2}}));
  EXPECT_TRUE(texts.TakeDamage(*text).empty());
  texts.Clear();
  EXPECT_EQ(texts.Find({&hello, 0, 10, 20, 1, {}, {}}), nullptr);
}

// Every byte a 4 x 6 block of ink on a 5-pixel advance.
class BlockGlyphs : public GlyphSource {
 public:
  GlyphMask Render(std::string_view text) override {
    const int width = 5 * static_cast<int>(text.size());
    GlyphMask mask{
        0, 0, width, 6, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 6), width};
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < width; ++x) {
        mask.coverage[static_cast<std::size_t>(y * width + x)] = x % 5 < 4 ? 255 : 0;
      }
    }
    return mask;
  }
  int LineHeight() const override { return 8; }
};

TEST(StandingTexts, TextUnderOtherTextAndBoxesIsWholeAgainWhenDrawnAgain) {
  constexpr float kTwips = 15;
  const auto overlay = [](PixelCanvas& canvas) {
    canvas.SetForeColor(0xFFFFFF);
    canvas.SetCurrentX(10 * kTwips);
    canvas.SetCurrentY(10 * kTwips);
    canvas.Print("magnification");
  };
  PixelCanvas canvas(120, 40, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  PixelCanvas fresh(120, 40, kTwips, kTwips, 0, std::make_unique<BlockGlyphs>());
  overlay(fresh);
  overlay(canvas);
  for (int frame = 0; frame < 3; ++frame) {
    // A name printed over it in another colour, a box erased across it.
    canvas.SetForeColor(0x00FF00);
    canvas.SetCurrentX(static_cast<float>(20 + 7 * frame) * kTwips);
    canvas.SetCurrentY(12 * kTwips);
    canvas.Print("Io");
    canvas.Line(static_cast<float>(60 + frame) * kTwips, 0, static_cast<float>(64 + frame) * kTwips,
                13 * kTwips, 0);
    overlay(canvas);
    canvas.SetForeColor(0);
    canvas.SetCurrentX(static_cast<float>(20 + 7 * frame) * kTwips);
    canvas.SetCurrentY(12 * kTwips);
    canvas.Print("Io");
    overlay(canvas);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 120; ++x) {
        ASSERT_EQ(canvas.PixelColor(x, y), fresh.PixelColor(x, y))
            << frame << ": " << x << "," << y;
      }
    }
  }
  canvas.TakeDirtyRegion();
  overlay(canvas);
  EXPECT_TRUE(canvas.TakeDirtyRegion().empty());
}

}  // namespace
}  // namespace quorvane
