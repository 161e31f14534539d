#include "win32/platform/gdi_glyph_source.h"

#include "win32/platform/wide_text.h"

namespace quorvane {

namespace {

constexpr int kMargin = 2;  // rows above and below the line, as italic or accented glyphs need

}  // namespace

GdiGlyphSource::GdiGlyphSource(HFONT font) : font_(font), dc_(CreateCompatibleDC(nullptr)) {
  SelectObject(dc_, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  lineHeight_ = metrics.tmHeight;
  overhang_ = metrics.tmOverhang + metrics.tmHeight / 2 + kMargin;
}

GdiGlyphSource::~GdiGlyphSource() {
  DeleteDC(dc_);
  DeleteObject(font_);
}

GlyphMask GdiGlyphSource::Render(std::string_view text) {
  const std::wstring wide = Widen(text);
  SIZE extent{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &extent);

  GlyphMask mask;
  mask.advance = extent.cx;
  mask.left = -overhang_;
  mask.top = -kMargin;
  mask.width = extent.cx + 2 * overhang_;
  mask.height = lineHeight_ + 2 * kMargin;

  // White text on black in a 32-bit top-down DIB: any lit channel is ink.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = mask.width;
  info.bmiHeader.biHeight = -mask.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
  if (bitmap == nullptr) {
    return mask;  // no memory for the picture: the text stays invisible but keeps its place
  }
  HGDIOBJ oldBitmap = SelectObject(dc_, bitmap);
  RECT box{overhang_, kMargin, overhang_ + extent.cx, kMargin + lineHeight_};
  SetTextColor(dc_, RGB(255, 255, 255));
  SetBkMode(dc_, TRANSPARENT);
  DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &box,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < mask.coverage.size(); ++i) {
    mask.coverage[i] = (pixels[i] & 0x00FFFFFF) != 0 ? 255 : 0;
  }
  SelectObject(dc_, oldBitmap);
  DeleteObject(bitmap);
  return mask;
}

}  // namespace quorvane
