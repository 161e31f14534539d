// The GDI side of drawing: glyph masks, the blit of the 8-bit canvas and the preview's picture,
// each checked on pixels in memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <memory>

#include "core/platform/font_names.h"
#include "core/platform/pixel_canvas.h"
#include "win32/platform/gdi_blit.h"
#include "win32/platform/gdi_fonts.h"
#include "win32/platform/gdi_glyph_source.h"
#include "win32/preview/frm_prev.h"

namespace quorvane {
namespace {

// A 32-bit memory picture to draw on and read back.
class MemoryPicture {
 public:
  MemoryPicture(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryPicture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  // 0x00BBGGRR, as the program's colours.
  Color Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t rgb = bits_[y * width_ + x];
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  }

 private:
  int width_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

std::unique_ptr<GdiGlyphSource> Glyphs() {
  return std::make_unique<GdiGlyphSource>(
      CreateUiFont(kUiGothic, 11.25, FW_BOLD, SHIFTJIS_CHARSET, 15));
}

TEST(GdiGlyphSourceTest, MasksAreTwoLevelAndJapaneseGlyphsAreDistinct) {
  auto glyphs = Glyphs();
  EXPECT_GT(glyphs->LineHeight(), 10);
  const GlyphMask sun = glyphs->Render("\xE5\xA4\xAA");    // 太
  const GlyphMask earth = glyphs->Render("\xE5\x9C\xB0");  // 地
  const GlyphMask latin = glyphs->Render("Mars");
  for (const GlyphMask* mask : {&sun, &earth, &latin}) {
    EXPECT_GT(mask->advance, 0);
    ASSERT_EQ(mask->coverage.size(), static_cast<std::size_t>(mask->width) * mask->height);
    int ink = 0;
    for (const std::uint8_t c : mask->coverage) {
      EXPECT_TRUE(c == 0 || c == 255) << "antialiased coverage " << int(c);
      ink += c != 0;
    }
    EXPECT_GT(ink, 10);
  }
  // A face without these glyphs draws the same box for both.
  EXPECT_NE(sun.coverage, earth.coverage);
}

TEST(GdiBlitTest, CopiesEveryPixelOfAnyWidthInItsColour) {
  // Width 37: canvas rows are not DWORD-aligned as DIB rows are.
  PixelCanvas canvas(37, 23, 15, 15, 0x00400000, Glyphs());
  canvas.SetFillStyle(kFillSolid);
  canvas.SetFillColor(0x000070FF);
  canvas.Circle(300, 200, 120, 0x000070FF);
  canvas.Line(15, 15, 90, 300, 0x00C06000);
  canvas.Circle(400, 150, 100, 0x00404040);
  MemoryPicture picture(40, 25);
  BlitCanvas(picture.Dc(), canvas, {PixelRect{0, 0, 37, 23}});
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 37; ++x) {
      ASSERT_EQ(picture.Pixel(x, y), canvas.PixelColor(x, y)) << x << "," << y;
    }
  }
  // Only the rectangles given are copied, shifted by the offset.
  MemoryPicture part(40, 25);
  BlitCanvas(part.Dc(), canvas, {PixelRect{1, 1, 3, 3}}, 2, 1);
  EXPECT_EQ(part.Pixel(3, 2), canvas.PixelColor(1, 1));
  EXPECT_EQ(part.Pixel(1, 1), 0u);
  EXPECT_EQ(part.Pixel(6, 4), 0u);
}

TEST(FrmPrevTest, DrawsSunRingAndPlanetOnNavy) {
  ModPublic modPublic;
  modPublic.Pi = 4 * std::atan(1.0);
  frmPrev form(modPublic, nullptr);
  ASSERT_NE(form.Handle(), nullptr);
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 155);
  EXPECT_EQ(client.bottom, 115);

  MemoryPicture picture(155, 115);
  form.Render(picture.Dc());
  EXPECT_EQ(picture.Pixel(77, 57), kSunColor);
  EXPECT_EQ(picture.Pixel(3, 3), kPreviewBackColor);
  // The ring, 45 pixels left of the centre, and the planet at its design place (1875, 885 twips).
  bool ringFound = false;
  for (int x = 30; x <= 35; ++x) {
    ringFound |= picture.Pixel(x, 57) == kOrbitGrey;
  }
  EXPECT_TRUE(ringFound);
  EXPECT_EQ(picture.Pixel(125 + 6, 59 + 5), kPlanetColor);
}

}  // namespace
}  // namespace quorvane
