// The fonts the windows name, made for GDI without antialiasing. "MS UI Gothic" falls back to
// another Japanese face where it is missing; any face keeps the named size and weight.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/platform/font_names.h"

namespace quorvane {

// A font of the face named in UTF-8, of `points` at the screen's `twipsPerPixelY`, weight 400 or
// 700, in `charset` (SHIFTJIS_CHARSET for the Japanese face). The caller deletes it.
HFONT CreateUiFont(std::string_view face, double points, int weight, BYTE charset,
                   float twipsPerPixelY);
HFONT CreateUiFont(const FontRequest& request, BYTE charset, float twipsPerPixelY);

}  // namespace quorvane
