// The fonts the windows name, made for GDI without antialiasing. "MS UI Gothic" falls back to
// another Japanese face where it is missing; any face keeps the named size and weight.
#pragma once

#include <windows.h>

namespace quorvane {

inline constexpr wchar_t kUiGothic[] = L"MS UI Gothic";
inline constexpr wchar_t kTimesNewRoman[] = L"Times New Roman";

// A font of `points` at the screen's `twipsPerPixelY`, weight 400 or 700, in `charset`
// (SHIFTJIS_CHARSET for the Japanese face). The caller deletes it.
HFONT CreateUiFont(const wchar_t* face, double points, int weight, BYTE charset,
                   float twipsPerPixelY);

}  // namespace quorvane
