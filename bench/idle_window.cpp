// The floor for the CPU and memory benchmarks: a full-screen Qt window whose timer wakes it at the
// frame interval and does nothing. Like the saver's window it paints on the screen itself, with no
// backing store, so that its memory is the floor of ours too. A frame of ours is measured against
// this wake-up.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "core/platform/tick_interval.h"

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
  IdleWindow window;
  window.setWindowTitle(QStringLiteral("Idle window"));
  window.setWindowFlags(Qt::FramelessWindowHint);
  window.setGeometry(QGuiApplication::primaryScreen()->geometry());
  window.show();
  QTimer timer;
  timer.setInterval(quorvane::kTickInterval);
  QObject::connect(&timer, &QTimer::timeout, [] {});
  timer.start();
  return QApplication::exec();
}
