#include "qt/orrery/screen_covers.h"

#include <QtGui/qguiapplication_platform.h>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "qt/platform/qt_system_services.h"

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>

namespace quorvane {

namespace {

class BlackCover final : public QWidget {
 public:
  explicit BlackCover(const QRect& area)
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::Tool |
                             Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
        x11_(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    setWindowTitle(QStringLiteral("Quorvane (cover)"));
    setCursor(QCursor(QPixmap(QStringLiteral(":/blank_cursor.png"))));
    // On X11 the server paints the window's background: no image the size of a monitor.
    setAttribute(Qt::WA_PaintOnScreen, x11_ != nullptr);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(area);
    if (x11_ != nullptr) {
      Display* display = x11_->display();
      XSetWindowBackground(display, winId(), BlackPixel(display, DefaultScreen(display)));
    }
  }

 protected:
  QPaintEngine* paintEngine() const override {
    return x11_ != nullptr ? nullptr : QWidget::paintEngine();
  }
  void paintEvent(QPaintEvent*) override {
    if (x11_ == nullptr) {
      QPainter(this).fillRect(rect(), Qt::black);
    }
  }
  void keyPressEvent(QKeyEvent*) override { EndProgramAtOnce(); }
  void mousePressEvent(QMouseEvent*) override { EndProgramAtOnce(); }

 private:
  QNativeInterface::QX11Application* x11_;
};

}  // namespace

ScreenCovers::ScreenCovers(QWidget* top) : QObject(top), top_(top) {
  const auto watch = [this](QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &ScreenCovers::Update);
  };
  for (QScreen* screen : QGuiApplication::screens()) {
    watch(screen);
  }
  connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
    watch(screen);
    Update();
  });
  // Queued: while the signal runs, the monitor is still among the screens.
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenCovers::Update,
          Qt::QueuedConnection);
  Update();
}

ScreenCovers::~ScreenCovers() {
  for (const auto& [screen, cover] : covers_) {
    delete cover;
  }
}

void ScreenCovers::Update() {
  std::map<QScreen*, QWidget*> kept;
  bool added = false;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (top_ != nullptr && screen->geometry() == top_->geometry()) {
      continue;
    }
    const auto found = covers_.find(screen);
    if (found != covers_.end()) {
      found->second->setGeometry(screen->geometry());
      kept.insert(*found);
      covers_.erase(found);
    } else {
      auto* cover = new BlackCover(screen->geometry());
      kept[screen] = cover;
      cover->show();
      added = true;
    }
  }
  for (const auto& [screen, cover] : covers_) {
    delete cover;
  }
  covers_ = std::move(kept);
  if (added && top_ != nullptr) {
    // A window manager may hand the focus to a window newly mapped under the pointer.
    top_->raise();
    top_->activateWindow();
  }
}

}  // namespace quorvane
