#include "qt/preview/frm_prev.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/platform/pixel_canvas.h"
#include "core/platform/tick_interval.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/qt_glyph_source.h"

namespace quorvane {

frmPrev::frmPrev(const ModPublic& modPublic)
    // Outside any window manager: it lives in another program's pane, and without a pane it
    // stays borderless at the screen's top-left instead of being framed and placed elsewhere.
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
      screen_(PrimaryScreenMetrics()),
      scene_(modPublic.Pi, screen_.TwipsPerPixelX, screen_.TwipsPerPixelY) {
  setWindowTitle(QString::fromUtf8(kPreviewTitle));
  // Every pixel comes from the canvas or a shape: nothing to fill beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // Running from creation; the first tick can only come once the event loop runs.
  Timer1.setObjectName(QStringLiteral("Timer1"));
  Timer1.setInterval(kTickInterval);
  connect(&Timer1, &QTimer::timeout, this, &frmPrev::Timer1_Timer);
  Timer1.start();
}

frmPrev::~frmPrev() = default;

void frmPrev::Show() {
  if (!loaded_) {
    loaded_ = true;
    Form_Load();
  }
  show();
}

void frmPrev::Form_Load() {
  scene_.SizeWindow();
  const QSize pixels(screen_.PixelsX(scene_.Width), screen_.PixelsY(scene_.Height));
  setFixedSize(pixels);
  // In device pixels: at any scale the ring is drawn as finely as the screen shows it.
  const ScreenMetrics device = InDevicePixels(screen_);
  canvas_ = std::make_unique<PixelCanvas>(
      device.PixelsX(scene_.Width), device.PixelsY(scene_.Height), device.TwipsPerPixelX,
      device.TwipsPerPixelY, kPreviewBackColor,
      std::make_unique<QtGlyphSource>(font(), device.TwipsPerPixelX, device.TwipsPerPixelY));
  scene_.CentreSunAndDrawRing(*canvas_);
  update(ScaledRegion(ToQRegion(canvas_->TakeDirtyRegion()), 1 / devicePixelRatioF()));
}

void frmPrev::Timer1_Timer() {
  const QRect before = PixelCircle(scene_.shpPlanet);
  scene_.MovePlanet();
  update(before);
  update(PixelCircle(scene_.shpPlanet));
}

QRect frmPrev::PixelCircle(const Shape& shape) const {
  // Whole pixels, as the shape's box is placed on the screen; the circle stays round.
  const float radius = shape.Diameter() / 2;
  return QRect(screen_.PixelsX(shape.CenterX() - radius), screen_.PixelsY(shape.CenterY() - radius),
               screen_.PixelsX(shape.Diameter()), screen_.PixelsY(shape.Diameter()));
}

void frmPrev::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QImage image = CanvasImage(*canvas_);
  const qreal ratio = devicePixelRatioF();
  for (const QRect& rect : ScaledRegion(event->region(), ratio)) {
    painter.drawImage(QRectF(QPointF(rect.topLeft()) / ratio, QSizeF(rect.size()) / ratio), image,
                      rect);
  }
  painter.setPen(Qt::NoPen);
  for (const Shape* shape : {&scene_.shpSun, &scene_.shpPlanet}) {
    const QRect circle = PixelCircle(*shape);
    if (event->region().intersects(circle)) {
      painter.setBrush(ToQColor(shape->FillColor));
      painter.drawEllipse(circle);
    }
  }
}

}  // namespace quorvane
