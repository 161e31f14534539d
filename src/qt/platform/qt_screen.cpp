// Screen metrics from Qt's primary screen.
#include <QGuiApplication>
#include <QScreen>

#include "qt/platform/qt_screen.h"

namespace quorvane {

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

qreal PrimaryPixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->devicePixelRatio() : 1;
}

ScreenMetrics InDevicePixels(const ScreenMetrics& metrics) {
  return InDevicePixels(metrics, PrimaryPixelRatio());
}

ScreenMetrics AreaMetrics(QSize devicePixels) {
  ScreenMetrics metrics = PrimaryScreenMetrics();
  const auto ratio = static_cast<float>(PrimaryPixelRatio());
  metrics.Width = static_cast<float>(devicePixels.width()) * metrics.TwipsPerPixelX / ratio;
  metrics.Height = static_cast<float>(devicePixels.height()) * metrics.TwipsPerPixelY / ratio;
  return metrics;
}

QRegion ScaledRegion(const QRegion& region, qreal factor) {
  QRegion scaled;
  for (const QRect& rect : region) {
    scaled +=
        QRectF(QPointF(rect.topLeft()) * factor, QSizeF(rect.size()) * factor).toAlignedRect();
  }
  return scaled;
}

}  // namespace quorvane
