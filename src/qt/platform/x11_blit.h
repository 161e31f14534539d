// Copies parts of the pixel canvas straight onto an X window with XPutImage, so a full-screen
// window needs no backing store of its own size beside the canvas it already keeps.
//
// Implements: each part converted from the canvas's palette to 32-bit RGB, onto windows of the
// display's default visual (24-bit true colour, the usual X server set-up). Not implemented:
// other visuals or depths, where the colours would come out wrong.
#pragma once

#include <QRegion>
#include <QWindow>

#include "core/platform/pixel_canvas.h"

namespace quorvane {

// Puts the region's pixels of the canvas at the same place in the window and flushes the
// requests. Does nothing without the xcb platform.
void BlitToWindow(WId window, const PixelCanvas& canvas, const QRegion& region);

}  // namespace quorvane
