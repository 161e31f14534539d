#include "qt/preview/frm_prev.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include "core/platform/pixel_canvas.h"
#include "core/platform/tick_interval.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/qt_screen.h"
#include "qt/preview/preview_canvas.h"

namespace quorvane {

frmPrev::frmPrev(const ModPublic& modPublic)
    // Outside any window manager: it lives in another program's pane, and without a pane it
    // stays borderless at the screen's top-left instead of being framed and placed elsewhere.
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint),
      paintsOnScreen_(QGuiApplication::platformName() == QStringLiteral("xcb")),
      screen_(PrimaryScreenMetrics()),
      scene_(modPublic.Pi, screen_.TwipsPerPixelX, screen_.TwipsPerPixelY) {
  setWindowTitle(QString::fromUtf8(kPreviewTitle));
  // Every pixel comes from the canvas: nothing to fill beforehand.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // On X11 no backing store: a tick costs little more than its few changed pixels.
  setAttribute(Qt::WA_PaintOnScreen, paintsOnScreen_);
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
  canvas_ = std::make_unique<PixelCanvas>(MakePreviewCanvas(screen_, PrimaryPixelRatio(), font()));
  scene_.Load(*canvas_);
  ShowChanges();
}

void frmPrev::Timer1_Timer() {
  scene_.Tick();
  ShowChanges();
}

void frmPrev::ShowChanges() {
  if (canvas_ == nullptr) {
    return;
  }
  const std::vector<PixelRect>& changed = canvas_->TakeDirtyRegion();
  if (paintsOnScreen_) {
    // Before the window shows, its first paint sends the whole canvas.
    if (isVisible()) {
      blitter_.Blit(winId(), *canvas_, changed);
    }
  } else {
    update(ScaledRegion(ToQRegion(changed), 1 / devicePixelRatioF()));
  }
}

QPaintEngine* frmPrev::paintEngine() const {
  return paintsOnScreen_ ? nullptr : QWidget::paintEngine();
}

void frmPrev::paintEvent(QPaintEvent* event) {
  if (paintsOnScreen_) {
    blitter_.Blit(winId(), *canvas_, ScaledRegion(event->region(), devicePixelRatioF()));
    return;
  }
  QPainter painter(this);
  const QImage image = CanvasImage(*canvas_);
  const qreal ratio = devicePixelRatioF();
  for (const QRect& rect : ScaledRegion(event->region(), ratio)) {
    painter.drawImage(QRectF(QPointF(rect.topLeft()) / ratio, QSizeF(rect.size()) / ratio), image,
                      rect);
  }
}

}  // namespace quorvane
