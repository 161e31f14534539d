#include "platform/x11_blit.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace quorvane {

void BlitToWindow(WId window, const QImage& image, const QRegion& region) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) {
    return;
  }
  Display* display = x11->display();
  const int screen = DefaultScreen(display);
  for (const QRect& rect : region& image.rect()) {
    // The XImage only borrows the image's pixels, from the rectangle's corner on.
    auto* pixels = const_cast<char*>(
        reinterpret_cast<const char*>(image.constScanLine(rect.y()) + rect.x() * 4));
    XImage* part =
        XCreateImage(display, DefaultVisual(display, screen),
                     static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, 0, pixels,
                     static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()), 32,
                     static_cast<int>(image.bytesPerLine()));
    if (part == nullptr) {
      continue;
    }
    XPutImage(display, window, DefaultGC(display, screen), part, 0, 0, rect.x(), rect.y(),
              static_cast<unsigned>(rect.width()), static_cast<unsigned>(rect.height()));
    part->data = nullptr;
    XDestroyImage(part);
  }
  XFlush(display);
}

}  // namespace quorvane
