// The text cache and text drawn over text: each text rendered once until the cache is full, and
// a narrower text printed over a wider one changing exactly the pixels that differ.
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
    for (std::size_t i = 0; i < mask.coverage.size(); ++i) {
      const std::size_t column = i % static_cast<std::size_t>(width);
      mask.coverage[i] = column % 4 < (text[column / 4] == 'I' ? 1u : 3u) ? 255 : 0;
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
  EXPECT_EQ(cache.LayOut("abc", glyphs).ink.bounds, (PixelRect{0, 0, 11, 5}));
  for (std::size_t i = 1; i < TextCache::kMaxTexts; ++i) {
    cache.LayOut(std::to_string(i), glyphs);
  }
  cache.LayOut(std::string("abc"), glyphs);
  EXPECT_EQ(renders, 64);
  EXPECT_EQ(cache.Generation(), 0u);
  cache.LayOut("one more", glyphs);
  cache.LayOut("abc", glyphs);
  EXPECT_EQ(renders, 66);
  EXPECT_EQ(cache.Generation(), 1u);
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
  print("AA", 0xFFFFFF);
  EXPECT_TRUE(canvas.TakeDirtyRegion().empty());
  // The narrower text leaves the wider one's ink around its own; the background stays.
  print("II", 0x0000FF);
  EXPECT_EQ(canvas.PixelColor(10, 5), 0x0000FFu);
  EXPECT_EQ(canvas.PixelColor(11, 5), 0xFFFFFFu);
  EXPECT_EQ(canvas.PixelColor(14, 9), 0x0000FFu);
  EXPECT_EQ(canvas.PixelColor(13, 9), 0u);
  long long sent = 0;
  for (const PixelRect& rect : canvas.TakeDirtyRegion()) {
    EXPECT_EQ(PixelRect::Intersected(rect, {10, 5, 5, 5}), rect);
    sent += rect.Area();
  }
  EXPECT_GE(sent, 10);
  EXPECT_LE(sent, 25);
}

}  // namespace
}  // namespace quorvane
