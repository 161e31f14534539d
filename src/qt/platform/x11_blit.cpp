#include "qt/platform/x11_blit.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <algorithm>

#include "qt/platform/canvas_image.h"

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace quorvane {

namespace {

// Pixels converted and sent at a time: a full-screen paint needs no screen-sized copy, and parts
// this small come from the heap and go back to it rather than raising malloc's mmap threshold.
constexpr int kBandPixels = 16 * 1024;

void PutPart(Display* display, WId window, const QImage& image, const QRect& rect) {
  const int screen = DefaultScreen(display);
  // Converted straight from the canvas's rows, without an intermediate copy.
  QImage view(image.constScanLine(rect.y()) + rect.x(), rect.width(), rect.height(),
              image.bytesPerLine(), image.format());
  view.setColorTable(image.colorTable());
  const QImage part = view.convertToFormat(QImage::Format_RGB32);
  // The XImage only borrows the part's pixels.
  XImage* ximage = XCreateImage(
      display, DefaultVisual(display, screen), static_cast<unsigned>(DefaultDepth(display, screen)),
      ZPixmap, 0, const_cast<char*>(reinterpret_cast<const char*>(part.constBits())),
      static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()), 32,
      static_cast<int>(part.bytesPerLine()));
  if (ximage == nullptr) {
    return;
  }
  XPutImage(display, window, DefaultGC(display, screen), ximage, 0, 0, rect.x(), rect.y(),
            static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()));
  ximage->data = nullptr;
  XDestroyImage(ximage);
}

}  // namespace

void BlitToWindow(WId window, const PixelCanvas& canvas, const QRegion& region) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) {
    return;
  }
  Display* display = x11->display();
  const QImage image = CanvasImage(canvas);
  for (const QRect& rect : region& image.rect()) {
    const int bandHeight = std::max(1, kBandPixels / rect.width());
    for (int top = rect.top(); top <= rect.bottom(); top += bandHeight) {
      PutPart(display, window, image,
              QRect(rect.left(), top, rect.width(), std::min(bandHeight, rect.bottom() + 1 - top)));
    }
  }
  XFlush(display);
}

}  // namespace quorvane
