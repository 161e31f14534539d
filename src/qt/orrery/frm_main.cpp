#include "qt/orrery/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>

#include "core/platform/tick_interval.h"
#include "qt/orrery/orrery_canvas.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_system_services.h"

namespace quorvane {

namespace {

QRect PrimaryScreenRect() {
  return QGuiApplication::primaryScreen()->geometry();
}

}  // namespace

frmMain::frmMain(ModPublic& modPublic, const ScreenMetrics& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint),
      paintsOnScreen_(QGuiApplication::platformName() == QStringLiteral("xcb")),
      screen_(screen),
      // In device pixels, so that at any scale every pixel of the screen is painted.
      canvas_(MakeOrreryCanvas(screen)),
      scene_(modPublic, canvas_, screen_, *this),
      txtDummy(new QLineEdit(this)),
      Timer1(new QTimer(this)) {
  // A tool window stays out of the taskbar; as the program's only window, closing it must still
  // end the program, which Qt does not assume for tool windows.
  setAttribute(Qt::WA_QuitOnClose);
  setWindowTitle(QString::fromUtf8(MainTitle));
  setWindowIcon(QIcon(QStringLiteral(":/program_icon.png")));
  setCursor(QCursor(QPixmap(QStringLiteral(":/blank_cursor.png"))));
  setFont(MakeFont(kOrreryFont));
  // The pointer's own motion events tell where it is, so a tick need not ask the X server.
  setMouseTracking(true);
  // On X11 the window puts the canvas's pixels on the screen itself, so no backing store the
  // size of the screen sits beside the canvas; elsewhere it paints through Qt.
  setAttribute(Qt::WA_PaintOnScreen, paintsOnScreen_);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // Without a window manager the geometry must be set: nothing maximizes the window for us.
  setGeometry(PrimaryScreenRect());

  txtDummy->setObjectName(QStringLiteral("txtDummy"));
  txtDummy->setAttribute(Qt::WA_InputMethodEnabled, false);
  // Off screen, its cursor would blink for nobody: no blink timer.
  QGuiApplication::styleHints()->setCursorFlashTime(0);
  txtDummy->setGeometry(screen_.PixelsX(30), screen_.PixelsY(30), screen_.PixelsX(165),
                        screen_.PixelsY(285));
  txtDummy->setFocus();

  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTickInterval);
  connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);

  // Key preview: every key typed into this window passes here before reaching txtDummy.
  qApp->installEventFilter(this);

  Form_Load();
}

frmMain::~frmMain() {
  qApp->removeEventFilter(this);
}

void frmMain::Form_Load() {
  const float width = screen_.Width;
  const float height = screen_.Height;
  txtDummy->move(screen_.PixelsX(2.0 * width), screen_.PixelsY(2.0 * height));
  scene_.Load();
}

void frmMain::Timer1_Timer() {
  scene_.Tick();
  const std::vector<PixelRect>& changed = canvas_.TakeDirtyRegion();
  if (paintsOnScreen_) {
    blitter_.Blit(winId(), canvas_, changed);
  } else {
    update(ScaledRegion(ToQRegion(changed), 1 / devicePixelRatioF()));
  }
}

void frmMain::Form_KeyDown() {
  EndProgramAtOnce();
}

void frmMain::Form_MouseDown() {
  EndProgramAtOnce();
}

void frmMain::Form_Unload() {
  scene_.Unload();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (watched == windowHandle() ||
        (widget != nullptr && (widget == this || isAncestorOf(widget)))) {
      Form_KeyDown();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!drewFirstFrames_) {
    drewFirstFrames_ = true;
    scene_.DrawFirstFrames();
    if (Timer1->isActive()) {
      Timer1->start();
    }
  }
  // A screen saver must take the keyboard even when no window manager hands focus over.
  raise();
  activateWindow();
}

QPaintEngine* frmMain::paintEngine() const {
  return paintsOnScreen_ ? nullptr : QWidget::paintEngine();
}

void frmMain::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  if (paintsOnScreen_) {
    if (awaitingServerExpose_) {
      // Qt reports the window exposed once it is mapped, and the X server's own Expose of the
      // whole window follows at once: the picture is sent for that one. Should none come, the
      // first tick sends the whole canvas, whose changes have not been taken yet.
      awaitingServerExpose_ = false;
      return;
    }
    // All of the window is sent as the canvas holds it now, earlier changes included.
    if (event->region().contains(rect())) {
      canvas_.TakeDirtyRegion();
    }
    blitter_.Blit(winId(), canvas_, ScaledRegion(event->region(), ratio));
    return;
  }
  QPainter painter(this);
  const QImage image = CanvasImage(canvas_);
  for (const QRect& rect : event->region()) {
    const QRect source = ScaledRegion(rect, ratio).boundingRect();
    painter.drawImage(QRectF(QPointF(source.topLeft()) / ratio, QSizeF(source.size()) / ratio),
                      image.copy(source));
  }
}

void frmMain::mousePressEvent(QMouseEvent*) {
  Form_MouseDown();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->globalPosition().toPoint();
}

void frmMain::enterEvent(QEnterEvent* event) {
  pointer_ = event->globalPosition().toPoint();
  pointerOver_ = true;
}

void frmMain::leaveEvent(QEvent*) {
  pointerOver_ = false;
}

void frmMain::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

CursorPoint frmMain::CursorPosition() {
  // No event may be handled here, inside a frame: a paint would show half of it. Motion still
  // queued counts at the next tick, which a move of any length still reaches.
  if (!pointerOver_) {
    // Moves elsewhere (another screen, under another window) send us no events: ask the server,
    // which answers without running our handlers.
    return GetCursorPos();
  }
  return {pointer_.x(), pointer_.y()};
}

void frmMain::EndProgram() {
  EndProgramAtOnce();
}

void frmMain::SetTimerEnabled(bool enabled) {
  if (enabled) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
}

void frmMain::SetScreenSaverActive(bool active) {
  quorvane::SetScreenSaverActive(active);
}

}  // namespace quorvane
