// An ordinary window of another program for the Wayland end-to-end tests, all magenta, so a
// screenshot shows any part of it the saver leaves uncovered. Prints "shown" once it is shown.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Other program"));
  window.setStyleSheet(QStringLiteral("background: #ff00ff"));
  window.setAutoFillBackground(true);
  window.resize(640, 480);
  window.show();
  QTimer::singleShot(0, [] {
    std::puts("shown");
    std::fflush(stdout);
  });
  return QApplication::exec();
}
