// Screen metrics from Qt's primary screen.
#include <QGuiApplication>
#include <QScreen>

#include "qt/platform/qt_screen.h"

namespace quorvane {

namespace {

constexpr double kTwipsPerInch = 1440;

}  // namespace

ScreenMetrics PrimaryScreenMetrics() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ScreenMetrics metrics;
  if (screen == nullptr) {
    return metrics;
  }
  metrics.TwipsPerPixelX = static_cast<float>(kTwipsPerInch / screen->logicalDotsPerInchX());
  metrics.TwipsPerPixelY = static_cast<float>(kTwipsPerInch / screen->logicalDotsPerInchY());
  const QSize size = screen->geometry().size();
  metrics.Width = static_cast<float>(size.width()) * metrics.TwipsPerPixelX;
  metrics.Height = static_cast<float>(size.height()) * metrics.TwipsPerPixelY;
  return metrics;
}

ScreenMetrics DeviceScreenMetrics(QSize devicePixels) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ScreenMetrics metrics;
  if (screen != nullptr) {
    const double ratio = screen->devicePixelRatio();
    metrics.TwipsPerPixelX =
        static_cast<float>(kTwipsPerInch / (screen->logicalDotsPerInchX() * ratio));
    metrics.TwipsPerPixelY =
        static_cast<float>(kTwipsPerInch / (screen->logicalDotsPerInchY() * ratio));
  }
  metrics.Width = static_cast<float>(devicePixels.width()) * metrics.TwipsPerPixelX;
  metrics.Height = static_cast<float>(devicePixels.height()) * metrics.TwipsPerPixelY;
  return metrics;
}

}  // namespace quorvane
