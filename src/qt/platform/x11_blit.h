// Copies parts of an image straight onto an X window with XPutImage, so a full-screen window
// needs no backing store of its own size beside the image it already keeps.
//
// Implements: images of any format, each part converted to 32-bit RGB, onto windows of the
// display's default visual (24-bit true colour, the usual X server set-up). Not implemented:
// other visuals or depths, where the colours would come out wrong.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWindow>

namespace quorvane {

// Puts the region's pixels of `image` at the same place in the window and flushes the requests.
// Does nothing without the xcb platform.
void BlitToWindow(WId window, const QImage& image, const QRegion& region);

}  // namespace quorvane
