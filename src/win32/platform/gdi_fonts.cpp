#include "win32/platform/gdi_fonts.h"

#include <cmath>
#include <cwchar>
#include <string>

#include "win32/platform/wide_text.h"

namespace quorvane {

namespace {

constexpr double kTwipsPerPoint = 20;

// Japanese faces found on Windows installations without "MS UI Gothic", best first.
constexpr const wchar_t* kJapaneseFallbacks[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS Gothic"};

HFONT MakeFont(const wchar_t* face, int height, int weight, BYTE charset) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face);
}

// True when GDI gave the face asked for rather than a substitute of its own choice.
bool HasFace(HFONT font, const wchar_t* face) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t chosen[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, chosen);
  SelectObject(dc, old);
  DeleteDC(dc);
  return _wcsicmp(chosen, face) == 0;
}

}  // namespace

HFONT CreateUiFont(std::string_view faceName, double points, int weight, BYTE charset,
                   float twipsPerPixelY) {
  const std::wstring wideFace = Widen(faceName);
  const wchar_t* face = wideFace.c_str();
  // Negative: the character height, without the internal leading, as point sizes mean.
  const int height = -static_cast<int>(std::lround(points * kTwipsPerPoint / twipsPerPixelY));
  HFONT font = MakeFont(face, height, weight, charset);
  if (charset != SHIFTJIS_CHARSET || HasFace(font, face)) {
    return font;
  }
  for (const wchar_t* fallback : kJapaneseFallbacks) {
    HFONT candidate = MakeFont(fallback, height, weight, charset);
    if (HasFace(candidate, fallback)) {
      DeleteObject(font);
      return candidate;
    }
    DeleteObject(candidate);
  }
  return font;  // the font mapper's own choice for the character set
}

HFONT CreateUiFont(const FontRequest& request, BYTE charset, float twipsPerPixelY) {
  return CreateUiFont(request.face, request.points, request.bold ? FW_BOLD : FW_NORMAL, charset,
                      twipsPerPixelY);
}

}  // namespace quorvane
