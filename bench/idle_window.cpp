// The floor for the CPU and memory benchmarks: a full-screen Qt window whose timer wakes it at the
// frame interval and does nothing. Like the saver's window it paints on the screen itself, with no
// backing store, so that its memory is the floor of ours too. A frame of ours is measured against
// this wake-up.
// With --one-pixel each wake-up also puts one pixel on the window with XPutImage, a colour that
// alternates, and flushes: the least any animation on X11 costs, a request that wakes the X server
// every frame.
// With --text it draws a line in the orrery's font once, into an image: the memory any Qt program
// pays for drawing text in that font (the font files, shaping, rasterising), whatever it draws.
#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <cstring>

#include "core/platform/font_names.h"
#include "core/platform/tick_interval.h"
#include "qt/platform/fonts.h"

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class IdleWindow : public QWidget {
 public:
  IdleWindow() {
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  QPaintEngine* paintEngine() const override { return nullptr; }
  void paintEvent(QPaintEvent*) override {}
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool onePixel = argc > 1 && std::strcmp(argv[1], "--one-pixel") == 0;
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    quorvane::InstallFontSubstitutions();
    const QFont font = quorvane::MakeFont(quorvane::kOrreryFont);
    QImage image(400, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(0, 30, QStringLiteral("Mercury Venus Earth Mars Jupiter Saturn Uranus"));
  }
  IdleWindow window;
  window.setWindowTitle(QStringLiteral("Idle window"));
  window.setWindowFlags(Qt::FramelessWindowHint);
  window.setGeometry(QGuiApplication::primaryScreen()->geometry());
  window.show();
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  const WId id = window.winId();
  // A 1x1 image in the screen's format, sent as the saver sends its changes.
  std::uint32_t pixel = 0;
  XImage* image =
      display == nullptr
          ? nullptr
          : XCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                         static_cast<unsigned>(DefaultDepth(display, DefaultScreen(display))),
                         ZPixmap, 0, reinterpret_cast<char*>(&pixel), 1, 1, 32, 0);
  QTimer timer;
  timer.setInterval(quorvane::kTickInterval);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!onePixel || image == nullptr) {
      return;
    }
    pixel ^= 0xFFFFFF;
    XPutImage(display, id, DefaultGC(display, DefaultScreen(display)), image, 0, 0, 0, 0, 1, 1);
    XFlush(display);
  });
  timer.start();
  const int status = QApplication::exec();
  if (image != nullptr) {
    image->data = nullptr;  // the pixel is ours, not Xlib's to free
    XDestroyImage(image);
  }
  return status;
}
