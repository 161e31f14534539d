// The Windows half of the comparison: writes each picture both builds draw as the Win32 front end
// draws it, into the folder given: the full-screen orrery through the front end's own glyphs (GDI)
// and the canvas, and the preview from the preview window itself, its timer's ticks sent here.
//   parity_render.exe FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/startup/start_up.h"
#include "parity/parity_picture.h"
#include "win32/orrery/orrery_canvas.h"
#include "win32/preview/frm_prev.h"

using namespace quorvane;

namespace {

constexpr WPARAM kPreviewTimer = 1;  // the preview window's Timer1

// The preview window's picture after the case's ticks, read back from a DIB section.
std::optional<parity::Picture> PreviewWindowPicture(const parity::ParityCase& parityCase) {
  const ModPublic modPublic = DefaultSharedValues(parityCase.seed);
  frmPrev form(modPublic, nullptr);
  if (form.Handle() == nullptr) {
    return std::nullopt;
  }
  for (int tick = 0; tick < parityCase.ticks; ++tick) {
    SendMessageW(form.Handle(), WM_TIMER, kPreviewTimer, 0);
  }
  RECT client{};
  GetClientRect(form.Handle(), &client);
  parity::Picture picture;
  picture.width = client.right;
  picture.height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  if (bitmap == nullptr || memory == nullptr) {
    return std::nullopt;
  }
  HGDIOBJ old = SelectObject(memory, bitmap);
  form.Render(memory);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);  // 0x00RRGGBB
  for (int i = 0; i < picture.width * picture.height; ++i) {
    const DWORD rgb = pixels[i];
    picture.pixels.push_back(
        static_cast<Color>((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16));
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: parity_render.exe FOLDER\n", stderr);
    return 2;
  }
  for (const parity::ParityCase& parityCase : parity::Cases()) {
    const std::optional<parity::Picture> picture =
        parityCase.preview ? PreviewWindowPicture(parityCase)
                           : parity::Draw(parityCase, &MakeOrreryGlyphs);
    const std::string stem = std::string(argv[1]) + "/" + parityCase.name;
    if (!picture || !parity::Write(*picture, stem)) {
      std::fprintf(stderr, "parity_render: cannot draw or write %s\n", stem.c_str());
      return 1;
    }
  }
  return 0;
}
