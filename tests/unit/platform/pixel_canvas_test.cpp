// Pixel checks of the pixel canvas: discs, rings, tiny and huge circles, boxes, text from glyph
// masks, clearing, the palette's limit and the dirty region that tells the window what to repaint.
#include "core/platform/pixel_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {
namespace {

constexpr float kTwips = 15;  // twips per pixel
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;
constexpr Color kGrey = 0x404040;

// Every byte is a 5 x 8 box on a 7-pixel advance, its top two rows half covered (not ink), the
// rest fully covered; the mask starts one pixel left of and above the text's corner.
class BoxGlyphs : public GlyphSource {
 public:
  static constexpr int kAdvance = 7;
  static constexpr int kLineHeight = 12;

  explicit BoxGlyphs(int* renders) : renders_(renders) {}

  GlyphMask Render(std::string_view text) override {
    ++*renders_;
    GlyphMask mask{-1, -1, kAdvance * static_cast<int>(text.size()) + 2, kLineHeight + 2, {}, 0};
    mask.advance = kAdvance * static_cast<int>(text.size());
    mask.coverage.assign(static_cast<std::size_t>(mask.width * mask.height), 0);
    for (int glyph = 0; glyph < static_cast<int>(text.size()); ++glyph) {
      for (int y = 2; y < 10; ++y) {
        for (int x = 1; x < 6; ++x) {
          mask.coverage[static_cast<std::size_t>((y + 1) * mask.width + glyph * kAdvance + x + 1)] =
              y < 4 ? 127 : 255;
        }
      }
    }
    return mask;
  }
  int LineHeight() const override { return kLineHeight; }

 private:
  int* renders_;
};

struct Fixture {
  explicit Fixture(int width = 400, int height = 300, Color background = kBlack)
      : canvas(width, height, kTwips, kTwips, background, std::make_unique<BoxGlyphs>(&renders)) {}
  int renders = 0;
  PixelCanvas canvas;
};

int CountPixels(const PixelCanvas& canvas, Color color,
                PixelRect within = {0, 0, 1 << 20, 1 << 20}) {
  within = PixelRect::Intersected(within, {0, 0, canvas.Width(), canvas.Height()});
  int count = 0;
  for (int y = within.top; y <= within.Bottom(); ++y) {
    for (int x = within.left; x <= within.Right(); ++x) {
      count += canvas.PixelColor(x, y) == color ? 1 : 0;
    }
  }
  return count;
}

// The pixels the rectangles cover, each counted once.
std::vector<bool> Covered(const std::vector<PixelRect>& rects, int width, int height) {
  std::vector<bool> covered(static_cast<std::size_t>(width * height), false);
  for (const PixelRect& rect : rects) {
    EXPECT_FALSE(rect.IsEmpty());
    EXPECT_EQ(PixelRect::Intersected(rect, {0, 0, width, height}), rect);
    for (int y = rect.top; y <= rect.Bottom(); ++y) {
      for (int x = rect.left; x <= rect.Right(); ++x) {
        covered[static_cast<std::size_t>(y * width + x)] = true;
      }
    }
  }
  return covered;
}

long Area(const std::vector<PixelRect>& rects, int width, int height) {
  const std::vector<bool> covered = Covered(rects, width, height);
  return std::count(covered.begin(), covered.end(), true);
}

std::vector<Color> Picture(const PixelCanvas& canvas) {
  std::vector<Color> picture;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      picture.push_back(canvas.PixelColor(x, y));
    }
  }
  return picture;
}

// Copies what the canvas reports changed onto `screen` (its size), as a window sends it; returns
// the canvas's picture, which the screen must now show.
std::vector<Color> SendChanges(PixelCanvas& canvas, std::vector<Color>& screen) {
  const std::vector<bool> covered =
      Covered(canvas.TakeDirtyRegion(), canvas.Width(), canvas.Height());
  const std::vector<Color> picture = Picture(canvas);
  for (std::size_t i = 0; i < screen.size(); ++i) {
    screen[i] = covered[i] ? picture[i] : screen[i];
  }
  return picture;
}

TEST(PixelCanvas, DiscIsFilledInsideItsOutlineAndErasedByTheSameCallInBlack) {
  Fixture f;
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, kGreen);
  EXPECT_EQ(f.canvas.PixelColor(100, 100), kRed);
  EXPECT_EQ(f.canvas.PixelColor(115, 100), kRed);
  EXPECT_EQ(f.canvas.PixelColor(120, 100), kGreen);
  EXPECT_EQ(f.canvas.PixelColor(100, 80), kGreen);
  EXPECT_EQ(f.canvas.PixelColor(100, 121), kBlack);
  EXPECT_EQ(f.canvas.PixelColor(115, 115), kBlack);  // outside the circle, inside its box
  f.canvas.SetFillColor(kBlack);
  f.canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, kBlack);
  EXPECT_EQ(CountPixels(f.canvas, kBlack), 400 * 300);
}

TEST(PixelCanvas, TransparentCircleIsAClosedOnePixelOutline) {
  Fixture f;
  f.canvas.Circle(100 * kTwips, 100 * kTwips, 20 * kTwips, kGreen);
  EXPECT_EQ(f.canvas.PixelColor(100, 100), kBlack);
  EXPECT_EQ(f.canvas.PixelColor(80, 100), kGreen);
  const int outline = CountPixels(f.canvas, kGreen);
  EXPECT_GT(outline, 100);
  EXPECT_LT(outline, 180);
  for (int y = 81; y <= 119; ++y) {
    EXPECT_GE(CountPixels(f.canvas, kGreen, {0, y, 400, 1}), 2) << y;
  }
}

TEST(PixelCanvas, CircleTooSmallForAPixelCentreStillShowsAPixel) {
  struct Case {
    float x, y, radius;
  };
  for (const Case c : {Case{150, 150, 0.54f}, Case{157.5f, 157.5f, 0.54f}, Case{157.5f, 157.5f, 10},
                       Case{151, 163, 14}, Case{150, 150, 15}}) {
    for (const std::int16_t style : {kFillSolid, kFillTransparent}) {
      Fixture f;
      f.canvas.SetFillStyle(style);
      f.canvas.Circle(c.x, c.y, c.radius, kWhite);
      const int lit = CountPixels(f.canvas, kWhite);
      EXPECT_GE(lit, 1) << c.x << "," << c.y << " r" << c.radius;
      EXPECT_LE(lit, 5) << c.x << "," << c.y << " r" << c.radius;
    }
  }
}

TEST(PixelCanvas, HugeAndFarCirclesAreClippedToTheCanvas) {
  struct Case {
    float x, radius;
    std::int16_t fillStyle;
    int filledColumns;  // from the left, in the fill colour, give or take 2
  };
  for (const Case c :
       {Case{200 * kTwips, 1e30f, kFillSolid, 400}, Case{200 * kTwips, 1e30f, kFillTransparent, 0},
        Case{-1e9f * kTwips, 10 * kTwips, kFillSolid, 0},
        Case{-1e6f * kTwips, (1e6f + 100) * kTwips, kFillSolid, 100}}) {
    Fixture f;
    f.canvas.SetFillStyle(c.fillStyle);
    f.canvas.SetFillColor(kRed);
    f.canvas.Circle(c.x, 150 * kTwips, c.radius, kBlue);
    const int red = CountPixels(f.canvas, kRed);
    EXPECT_GE(red, std::max(0, c.filledColumns - 2) * 300) << c.x << " r" << c.radius;
    EXPECT_LE(red, c.filledColumns * 300) << c.x << " r" << c.radius;
    if (c.filledColumns > 0 && c.filledColumns < 400) {
      EXPECT_EQ(f.canvas.PixelColor(c.filledColumns, 150), kBlue);
      EXPECT_EQ(f.canvas.PixelColor(c.filledColumns + 2, 150), kBlack);
    }
  }
}

TEST(PixelCanvas, DiscOfRadius1e30FillsALargeCanvasAndDirtiesExactlyIt) {
  Fixture f(3840, 2160);
  f.canvas.TakeDirtyRegion();
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(1920 * kTwips, 1080 * kTwips, 1e30f, kBlue);
  EXPECT_EQ(CountPixels(f.canvas, kRed), 3840 * 2160);
  EXPECT_EQ(f.canvas.TakeDirtyRegion(), (std::vector<PixelRect>{{0, 0, 3840, 2160}}));
}

TEST(PixelCanvas, BoxIncludesBothCornersAndFarBoxesDrawNothing) {
  Fixture f;
  f.canvas.Line(30 * kTwips, 20 * kTwips, 10 * kTwips, 40 * kTwips, kBlue);
  EXPECT_EQ(CountPixels(f.canvas, kBlue), 21 * 21);
  EXPECT_EQ(CountPixels(f.canvas, kBlue, {10, 20, 21, 21}), 21 * 21);
  f.canvas.Line(1e30f, 0, 1e30f + 3000, 3000, kRed);
  f.canvas.Line(-1e30f, -1e30f, -1e29f, -1e29f, kRed);
  f.canvas.Line(std::nanf(""), 0, 3000, 3000, kRed);
  EXPECT_EQ(CountPixels(f.canvas, kRed), 0);
}

TEST(PixelCanvas, TextIsTheGlyphMasksInkInForeColorOverWhatIsThere) {
  Fixture f;
  f.canvas.Line(0, 0, 399 * kTwips, 299 * kTwips, kBlue);
  f.canvas.SetForeColor(kWhite);
  f.canvas.SetCurrentX(50 * kTwips);
  f.canvas.SetCurrentY(70 * kTwips);
  f.canvas.Print("ab");
  EXPECT_EQ(f.canvas.TextWidth("ab"), 2 * BoxGlyphs::kAdvance * kTwips);
  EXPECT_EQ(f.canvas.TextHeight("ab"), BoxGlyphs::kLineHeight * kTwips);
  // Two 5 x 6 blocks of ink: the half-covered rows stay as they were.
  EXPECT_EQ(CountPixels(f.canvas, kWhite), 2 * 5 * 6);
  EXPECT_EQ(CountPixels(f.canvas, kWhite, {51, 74, 5, 6}), 5 * 6);
  EXPECT_EQ(CountPixels(f.canvas, kWhite, {58, 74, 5, 6}), 5 * 6);
  EXPECT_EQ(f.canvas.CurrentX(), 0.f);
  EXPECT_EQ(f.canvas.CurrentY(), 70 * kTwips + BoxGlyphs::kLineHeight * kTwips);
  // Text partly off the canvas is cut, far off or at no number skipped; each text is rendered once.
  f.canvas.SetCurrentX(-3 * kTwips);
  f.canvas.SetCurrentY(292 * kTwips);
  f.canvas.Print("ab");
  EXPECT_EQ(CountPixels(f.canvas, kWhite, {0, 290, 20, 10}), 3 * 4 + 5 * 4);
  const int inkBefore = CountPixels(f.canvas, kWhite);
  f.canvas.SetCurrentX(-1e30f);
  f.canvas.Print("ab");
  f.canvas.SetCurrentX(std::nanf(""));
  f.canvas.Print("ab");
  EXPECT_EQ(CountPixels(f.canvas, kWhite), inkBefore);
  EXPECT_EQ(f.renders, 1);
}

TEST(PixelCanvas, ClearRestoresTheBackgroundEverywhere) {
  Fixture f(200, 100, 0x400000);
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.Circle(100 * kTwips, 50 * kTwips, 30 * kTwips, kRed);
  f.canvas.TakeDirtyRegion();
  f.canvas.Clear();
  EXPECT_EQ(CountPixels(f.canvas, 0x400000), 200 * 100);
  EXPECT_EQ(f.canvas.TakeDirtyRegion(), (std::vector<PixelRect>{{0, 0, 200, 100}}));
}

TEST(PixelCanvas, ColoursBeyondThePalettesLimitTakeTheNearestOne) {
  Fixture f(300, 1);
  for (int i = 1; i < 256; ++i) {
    f.canvas.Line(static_cast<float>(i) * kTwips, 0, static_cast<float>(i) * kTwips, 0,
                  static_cast<Color>(i * 0x010101));
  }
  ASSERT_EQ(f.canvas.Palette().size(), 256u);
  f.canvas.Line(290 * kTwips, 0, 290 * kTwips, 0, 0x0A0B0C);
  EXPECT_EQ(f.canvas.PixelColor(290, 0), 0x0B0B0Bu);
  EXPECT_EQ(f.canvas.PixelColor(11, 0), 0x0B0B0Bu);
}

TEST(PixelCanvas, DirtyRegionCoversEveryChangeAndLittleMore) {
  Fixture f;
  EXPECT_EQ(f.canvas.TakeDirtyRegion(), (std::vector<PixelRect>{{0, 0, 400, 300}}));
  EXPECT_TRUE(f.canvas.TakeDirtyRegion().empty());
  const std::vector<Color> before = Picture(f.canvas);
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 30 * kTwips, kRed);
  f.canvas.Line(10 * kTwips, 10 * kTwips, 60 * kTwips, 20 * kTwips, kGreen);
  f.canvas.SetForeColor(kWhite);
  f.canvas.SetCurrentX(300 * kTwips);
  f.canvas.Print("Mars");
  const std::vector<PixelRect> dirty = f.canvas.TakeDirtyRegion();
  const std::vector<bool> covered = Covered(dirty, 400, 300);
  const std::vector<Color> after = Picture(f.canvas);
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_TRUE(before[i] == after[i] || covered[i]) << i % 400 << "," << i / 400;
  }
  EXPECT_LT(Area(dirty, 400, 300), 63 * 63 + 51 * 11 + 30 * 14);
}

TEST(PixelCanvas, OnlyPixelsThatEndUpDifferentAreFlushed) {
  Fixture f;
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 40 * kTwips, kRed);
  f.canvas.TakeDirtyRegion();
  // The same disc again, and the disc erased and drawn back: nothing to send.
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 40 * kTwips, kRed);
  EXPECT_TRUE(f.canvas.TakeDirtyRegion().empty());
  f.canvas.SetFillColor(kBlack);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 40 * kTwips, kBlack);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 40 * kTwips, kRed);
  EXPECT_TRUE(f.canvas.TakeDirtyRegion().empty());
  // Moved by one pixel: only its two edges change, and about that much is sent.
  const std::vector<Color> before = Picture(f.canvas);
  f.canvas.SetFillColor(kBlack);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 40 * kTwips, kBlack);
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(201 * kTwips, 150 * kTwips, 40 * kTwips, kRed);
  const std::vector<PixelRect> dirty = f.canvas.TakeDirtyRegion();
  const std::vector<bool> covered = Covered(dirty, 400, 300);
  const std::vector<Color> after = Picture(f.canvas);
  long long changed = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    changed += before[i] != after[i] ? 1 : 0;
    EXPECT_TRUE(before[i] == after[i] || covered[i]) << i % 400 << "," << i / 400;
  }
  EXPECT_GT(changed, 0);
  EXPECT_LE(Area(dirty, 400, 300), 2 * changed);
}

TEST(PixelCanvas, BigDiscRedrawnInPlaceIsRepairedExactlyWhereOthersCutIntoIt) {
  // A standing Sun with big planets moving over its edge, frame after frame, as at high Zoom.
  Fixture f;
  Fixture fresh;
  f.canvas.SetFillStyle(kFillSolid);
  for (int frame = 0; frame < 4; ++frame) {
    f.canvas.SetFillColor(kRed);
    f.canvas.Circle(200 * kTwips, 150 * kTwips, 80 * kTwips, kRed);
    for (int planet = 0; planet < 3; ++planet) {
      const float x = static_cast<float>(120 + 80 * planet + 5 * frame) * kTwips;
      f.canvas.SetFillColor(kBlack);
      f.canvas.Circle(x - 5 * kTwips, 80 * kTwips, 40 * kTwips, kBlack);
      f.canvas.SetFillColor(kBlue);
      f.canvas.Circle(x, 80 * kTwips, 40 * kTwips, kBlue);
    }
  }
  f.canvas.TakeDirtyRegion();
  f.canvas.SetFillColor(kRed);
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 80 * kTwips, kRed);
  fresh.canvas.SetFillStyle(kFillSolid);
  fresh.canvas.SetFillColor(kRed);
  fresh.canvas.Circle(200 * kTwips, 150 * kTwips, 80 * kTwips, kRed);
  // Where the planets covered it the Sun is whole again; drawn once more, it changes nothing.
  const std::vector<Color> picture = Picture(f.canvas);
  const std::vector<Color> sun = Picture(fresh.canvas);
  for (std::size_t i = 0; i < sun.size(); ++i) {
    ASSERT_TRUE(sun[i] == kBlack || picture[i] == kRed) << i % 400 << "," << i / 400;
  }
  f.canvas.TakeDirtyRegion();
  f.canvas.Circle(200 * kTwips, 150 * kTwips, 80 * kTwips, kRed);
  EXPECT_TRUE(f.canvas.TakeDirtyRegion().empty());
}

TEST(PixelCanvas, UnchangedRingRedrawnFlushesOnlyWhereItWasDamaged) {
  const int width = 1600;
  const int height = 1200;
  Fixture f(width, height);
  Fixture fresh(width, height);
  const float cx = 800 * kTwips;
  const float cy = 600 * kTwips;
  const float ring = 500 * kTwips;
  f.canvas.Circle(cx, cy, ring, kGrey);
  f.canvas.TakeDirtyRegion();
  // A planet on the ring is erased and the ring drawn again, as in every frame.
  f.canvas.SetFillStyle(kFillSolid);
  f.canvas.SetFillColor(kBlack);
  f.canvas.Circle(cx + ring, cy, 8 * kTwips, kBlack);
  f.canvas.Line(cx + ring + 18 * kTwips, cy, cx + ring + 60 * kTwips, cy + 15 * kTwips, kBlack);
  f.canvas.SetFillStyle(kFillTransparent);
  f.canvas.Circle(cx, cy, ring, kGrey);
  EXPECT_LT(Area(f.canvas.TakeDirtyRegion(), width, height), 2 * (19 * 19 + 45 * 18));
  // The repaired ring is pixel for pixel the one drawn whole.
  fresh.canvas.Circle(cx, cy, ring, kGrey);
  EXPECT_EQ(Picture(f.canvas), Picture(fresh.canvas));
  // With nothing drawn near it, drawing the ring again changes and flushes nothing.
  f.canvas.Circle(cx, cy, ring, kGrey);
  EXPECT_TRUE(f.canvas.TakeDirtyRegion().empty());
}

TEST(PixelCanvas, CrossingRingsRepairEachOtherAndTheFlushedCopyStaysExact) {
  Fixture f;
  std::vector<Color> screen(400 * 300, 0xABCDEF);
  for (int frame = 0; frame < 4; ++frame) {
    f.canvas.SetFillStyle(kFillTransparent);
    f.canvas.Circle(150 * kTwips, 150 * kTwips, 80 * kTwips, kGrey);
    f.canvas.Circle(230 * kTwips, 150 * kTwips, 80 * kTwips, kBlue);
    f.canvas.SetFillStyle(kFillSolid);
    f.canvas.Circle(190 * kTwips, 80 * kTwips, static_cast<float>(3 + frame) * kTwips, kRed);
    const std::vector<Color> picture = SendChanges(f.canvas, screen);
    ASSERT_EQ(screen, picture) << frame;
  }
  Fixture fresh;
  fresh.canvas.Circle(150 * kTwips, 150 * kTwips, 80 * kTwips, kGrey);
  fresh.canvas.Circle(230 * kTwips, 150 * kTwips, 80 * kTwips, kBlue);
  fresh.canvas.SetFillStyle(kFillSolid);
  fresh.canvas.Circle(190 * kTwips, 80 * kTwips, 6 * kTwips, kRed);
  EXPECT_EQ(Picture(f.canvas), Picture(fresh.canvas));
}

TEST(PixelCanvas, LabelMovingOverTextAndOffTheEdgeLeavesAnExactPictureAndCopy) {
  // As the scene draws a planet's name: the old place boxed out, a standing text drawn, the name
  // drawn at its new place, partly over that text and then partly off the canvas.
  Fixture f;
  std::vector<Color> screen(400 * 300, 0xABCDEF);
  const auto print = [](PixelCanvas& canvas, int x, int y, const char* text, Color colour) {
    canvas.SetForeColor(colour);
    canvas.SetCurrentX(static_cast<float>(x) * kTwips);
    canvas.SetCurrentY(static_cast<float>(y) * kTwips);
    canvas.Print(text);
  };
  int x = 352;
  for (int frame = 0; frame < 8; ++frame, x += 5) {
    f.canvas.Line(static_cast<float>(x - 5) * kTwips, 100 * kTwips,
                  static_cast<float>(x + 23) * kTwips, 112 * kTwips, kBlack);
    print(f.canvas, 360, 104, "Io", kBlue);
    print(f.canvas, x, 100, "Mars", kRed);
    const std::vector<Color> picture = SendChanges(f.canvas, screen);
    ASSERT_EQ(screen, picture) << frame;
  }
  Fixture fresh;
  print(fresh.canvas, 360, 104, "Io", kBlue);
  print(fresh.canvas, x - 5, 100, "Mars", kRed);
  EXPECT_EQ(Picture(f.canvas), Picture(fresh.canvas));
}

}  // namespace
}  // namespace quorvane
