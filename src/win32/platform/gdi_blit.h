// Puts parts of the pixel canvas on a window with SetDIBitsToDevice, straight from the canvas's
// palette indices as an 8-bit DIB: no copy of the screen's size beside the canvas.
#pragma once

#include <windows.h>

#include <vector>

#include "core/platform/pixel_canvas.h"

namespace quorvane {

// Copies each rectangle of the canvas to the same place on `dc`, shifted by (offsetX, offsetY).
void BlitCanvas(HDC dc, const PixelCanvas& canvas, const std::vector<PixelRect>& rects,
                int offsetX = 0, int offsetY = 0);

}  // namespace quorvane
