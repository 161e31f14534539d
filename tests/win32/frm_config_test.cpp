// The settings dialog on Win32, drawn for real: in either language, and after a live switch, no
// label, option or button shows its caption clipped. The checks run at the resolution the
// process starts with: 96 dots per inch in the suite, 144 and 192 in dialog_captions_test.sh.
#include "win32/settings_dialog/frm_config.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "core/startup/body_catalogue.h"
#include "support/memory_settings_store.h"
#include "win32/platform/wide_text.h"

namespace quorvane {
namespace {

struct InkBox {
  int left = 0;
  int top = 0;
  int right = -1;  // last column; left - 1 when there is no ink
  int bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

// The window drawn by itself into memory; the box of the pixels unlike its most common colour
// (its background), `margin` pixels in from its edges, which leaves out a push button's frame.
InkBox CaptionInk(HWND window, int margin) {
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  PrintWindow(window, dc, PW_CLIENTONLY);
  std::vector<COLORREF> pixels;
  std::map<COLORREF, int> counts;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(GetPixel(dc, x, y));
      ++counts[pixels.back()];
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  COLORREF background = 0;
  for (const auto& [colour, count] : counts) {
    if (count > counts[background]) {
      background = colour;
    }
  }
  InkBox ink{width, height, -1, -1};
  for (int y = margin; y < height - margin; ++y) {
    for (int x = margin; x < width - margin; ++x) {
      if (pixels[static_cast<std::size_t>(y * width + x)] != background) {
        ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
               std::max(ink.bottom, y)};
      }
    }
  }
  return ink;
}

// EnumChildWindows' callback: adds the window to the list.
BOOL CALLBACK AddWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The caption of each label, option and button of the dialog against the same caption drawn in
// the same kind of control with room to spare: clipped when its ink is smaller.
void ExpectNoCaptionClipped(HWND dialog) {
  // The focus in the list: a focus rectangle around a caption is not part of it.
  SetFocus(FindWindowExW(dialog, nullptr, L"ComboBox", nullptr));
  std::vector<HWND> controls;
  EnumChildWindows(dialog, &AddWindow, reinterpret_cast<LPARAM>(&controls));
  int checked = 0;
  for (HWND control : controls) {
    wchar_t kind[32] = {};
    wchar_t text[128] = {};
    GetClassNameW(control, kind, 32);
    GetWindowTextW(control, text, 128);
    if ((_wcsicmp(kind, L"Button") != 0 && _wcsicmp(kind, L"Static") != 0) || text[0] == 0) {
      continue;
    }
    const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const bool pushButton = _wcsicmp(kind, L"Button") == 0 && (style & BS_TYPEMASK) <= 1;
    const int margin = pushButton ? 4 : 0;
    RECT box{};
    GetClientRect(control, &box);
    HWND roomy =
        CreateWindowExW(0, kind, text, style & ~WS_VISIBLE & ~WS_TABSTOP, 0, 0, box.right + 300,
                        box.bottom + 40, dialog, nullptr, nullptr, nullptr);
    SendMessageW(roomy, WM_SETFONT, SendMessageW(control, WM_GETFONT, 0, 0), FALSE);
    const InkBox shown = CaptionInk(control, margin);
    const InkBox whole = CaptionInk(roomy, margin);
    DestroyWindow(roomy);
    const std::string name = Narrow(text);
    ASSERT_GT(whole.Width(), 0) << name;
    EXPECT_EQ(shown.Width(), whole.Width()) << name << " is clipped left or right";
    EXPECT_EQ(shown.Height(), whole.Height()) << name << " is clipped at the top or bottom";
    ++checked;
  }
  EXPECT_EQ(checked, 13);  // 4 row labels and the unit, 4 options, 3 buttons and the footer
}

HWND Option(HWND dialog, const wchar_t* caption) {
  return FindWindowExW(dialog, nullptr, L"Button", caption);
}

TEST(FrmConfigTest, NoCaptionIsClippedInEitherLanguageNorAfterASwitch) {
  ModPublic modPublic;
  InitBodies(modPublic.Bodies);
  testing::MemorySettingsStore store;
  for (const std::int16_t language : {1, 2}) {
    SCOPED_TRACE(language);
    modPublic.settings.Language = language;
    frmConfig form(modPublic, store, nullptr);
    form.Show();
    ExpectNoCaptionClipped(form.Handle());
    // Over to the other language and back, as the user clicks.
    const wchar_t* japanese = L"\x65E5\x672C\x8A9E(&J)";  // 日本語(&J)
    const wchar_t* other = language == 1 ? L"&English" : japanese;
    SendMessageW(Option(form.Handle(), other), BM_CLICK, 0, 0);
    ExpectNoCaptionClipped(form.Handle());
    const wchar_t* back = language == 1 ? japanese : L"&English";
    SendMessageW(Option(form.Handle(), back), BM_CLICK, 0, 0);
    ExpectNoCaptionClipped(form.Handle());
  }
}

}  // namespace
}  // namespace quorvane
