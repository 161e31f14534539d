// How a control's box follows its caption, in pixels, the same in every front end: the fonts a
// system substitutes may be wider or taller than those the layout was drawn for, and no caption
// may be clipped.
#pragma once

#include "core/platform/pixel_rect.h"
#include "core/settings_dialog/control_table.h"

namespace quorvane {

// The box of the control once its caption is set, from its box in the table and the size the
// caption needs (an option's indicator included), both in pixels. An auto-sized label takes
// exactly the caption's size at the table's left and top; an option button grows to hold the
// caption, rightwards and around its middle, never smaller than its table box; every other
// control keeps its table box.
PixelRect FitToCaption(const ControlEntry& entry, const PixelRect& tableBox, int neededWidth,
                       int neededHeight);

}  // namespace quorvane
