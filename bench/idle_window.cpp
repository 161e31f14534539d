// The floor for the CPU and memory benchmarks: a full-screen Qt window, painted black once, whose
// timer wakes it at the frame interval and does nothing. A frame of ours is measured against this
// wake-up.
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "core/platform/tick_interval.h"

namespace {

class IdleWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
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
