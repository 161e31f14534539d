// The pixel canvas seen through Qt's types: its colours as QColor, its dirty rectangles as a
// QRegion, and its pixels as an indexed QImage for QPainter and for tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <vector>

#include "core/platform/pixel_canvas.h"

namespace quorvane {

// 0x00BBGGRR as a QColor.
QColor ToQColor(Color color);

QRegion ToQRegion(const std::vector<PixelRect>& rects);

// The canvas's pixels in Format_Indexed8 with its palette as colour table, without a copy: valid
// while the canvas lives, showing what it holds now but not colours it adds later.
QImage CanvasImage(const PixelCanvas& canvas);

}  // namespace quorvane
