#include "win32/platform/gdi_blit.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

constexpr int kBandRows = 64;  // rows copied at a time, so a full-screen part stays small

struct PaletteInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

}  // namespace

void BlitCanvas(HDC dc, const PixelCanvas& canvas, const std::vector<PixelRect>& rects, int offsetX,
                int offsetY) {
  PaletteInfo info{};
  info.header.biSize = sizeof(info.header);
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  const std::vector<Color>& palette = canvas.Palette();
  info.header.biClrUsed = static_cast<DWORD>(palette.size());
  for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
    const Color c = palette[i];  // 0x00BBGGRR
    info.colours[i] =
        RGBQUAD{static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0};
  }
  const PixelRect whole{0, 0, canvas.Width(), canvas.Height()};
  std::vector<std::uint8_t> band;
  for (const PixelRect& dirty : rects) {
    const PixelRect rect = PixelRect::Intersected(dirty, whole);
    if (rect.IsEmpty()) {
      continue;
    }
    // DIB rows are DWORD-aligned and bottom-up; the canvas's rows are neither.
    const int stride = (rect.width + 3) & ~3;
    for (int top = rect.top; top <= rect.Bottom(); top += kBandRows) {
      const int rows = std::min(kBandRows, rect.Bottom() + 1 - top);
      band.assign(static_cast<std::size_t>(stride) * rows, 0);
      for (int row = 0; row < rows; ++row) {
        const std::uint8_t* source =
            canvas.Pixels() + static_cast<std::size_t>(top + row) * canvas.Width() + rect.left;
        std::memcpy(band.data() + static_cast<std::size_t>(rows - 1 - row) * stride, source,
                    rect.width);
      }
      info.header.biWidth = rect.width;
      info.header.biHeight = rows;
      SetDIBitsToDevice(dc, rect.left + offsetX, top + offsetY, rect.width, rows, 0, 0, 0, rows,
                        band.data(), reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
    }
  }
}

}  // namespace quorvane
