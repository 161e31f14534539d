// Where the settings dialog opens: centred on its owner (on the work area when it has none), then
// moved as little as needed to lie wholly inside the work area of the owner's monitor, so an owner
// near an edge or partly off screen never puts the title bar or a button out of reach.
#pragma once

#include "core/platform/pixel_rect.h"

namespace quorvane {

// The dialog's outer box for its outer size, centred on `around` and kept inside `workArea`
// (screen pixels). A dialog larger than the work area keeps its top-left corner, and so its title
// bar, inside it.
PixelRect PlaceDialog(int width, int height, const PixelRect& around, const PixelRect& workArea);

}  // namespace quorvane
