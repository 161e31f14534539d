// The text cache and text drawn over text: each text rendered once, the cache's limit, and text
// printed over other text or over itself changing exactly the pixels that differ.
#include "core/platform/raster/text_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/platform/pixel_canvas.h"

namespace quorvane {
namespace {

// 'I' is a one-pixel column, anything else a 3 x 5 block; each byte advances 4 pixels.
class CountingGlyphs : public GlyphSource {
 public:
  explicit CountingGlyphs(int* renders) : renders_(renders) {}
  GlyphMask Render(std::string_view text) override {
    ++*renders_;
    const int width = 4 * static_cast<int>(text.size());
    GlyphMask mask{
        0, 0, width, 5, std::vector<std::uint8_t>(static_cast<std::size_t>(width * 5)), width};
    for (std::size_t i = 0; i < text.size(); ++i) {
      for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < (text[i] == 'I' ? 1 : 3); ++x) {
          mask.coverage[static_cast<std::size_t>(y * width) + 4 * i + static_cast<std::size_t>(x)] =
              255;
        }
      }
    }
    return mask;
  }
  int LineHeight() const override { return 7; }

 private:
  int* renders_;
};

TEST(TextCache, EachTextIsRenderedOnceUntilTheCacheIsFull) {
  int renders = 0;
  CountingGlyphs glyphs(&renders);
  TextCache cache;
  const LaidOutText& abc = cache.LayOut("abc", glyphs);
  EXPECT_EQ(abc.advance, 12);
  EXPECT_EQ(abc.ink.size(), 15u);
  EXPECT_EQ(abc.bounds, (PixelRect{0, 0, 11, 5}));
  cache.LayOut(std::string("abc"), glyphs);
  EXPECT_EQ(renders, 1);
  for (std::size_t i = 1; i < TextCache::kMaxTexts; ++i) {
    cache.LayOut(std::to_string(i), glyphs);
  }
  cache.LayOut("abc", glyphs);
  EXPECT_EQ(renders, 64);
  cache.LayOut("one more", glyphs);
  cache.LayOut("abc", glyphs);
  EXPECT_EQ(renders, 66);
}

TEST(TextCache, TextOverTextChangesExactlyThePixelsThatDiffer) {
  constexpr float kTwips = 15;
  int renders = 0;
  PixelCanvas canvas(60, 20, kTwips, kTwips, 0, std::make_unique<CountingGlyphs>(&renders));
  const auto print = [&](const char* text, Color color) {
    canvas.SetForeColor(color);
    canvas.SetCurrentX(10 * kTwips);
    canvas.SetCurrentY(5 * kTwips);
    canvas.Print(text);
  };
  print("AA", 0xFFFFFF);
  canvas.TakeDirtyRegion();
  // The same text again changes nothing.
  print("AA", 0xFFFFFF);
  EXPECT_TRUE(canvas.TakeDirtyRegion().empty());
  // A narrower text over it leaves the old ink around its own: the background stays untouched.
  print("II", 0x0000FF);
  EXPECT_EQ(canvas.PixelColor(10, 5), 0x0000FFu);
  EXPECT_EQ(canvas.PixelColor(11, 5), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelColor(14, 9), 0x0000FFu);
  EXPECT_EQ(canvas.PixelColor(15, 9), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelColor(13, 9), 0u);
  // Sent: the two changed columns, five rows each.
  long long sent = 0;
  for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
    EXPECT_TRUE(PixelRect::Intersected(rect, {10, 5, 5, 5}) == rect);
    sent += rect.Area();
  }
  EXPECT_GE(sent, 10);
  EXPECT_LE(sent, 25);
}

}  // namespace
}  // namespace quorvane
