// The window system's application object, created only when a window is to be shown, so that
// start-ups that show nothing need no display.
#pragma once

#include <memory>

class QApplication;

namespace quorvane {

class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // For a window that repaints only a few small rectangles per tick: the pixels go over the X
  // connection rather than through shared memory, whose synchronisation on every repaint costs
  // more than the copy. Call before the application object exists.
  static void PreferSocketImageTransfer();

  // Runs the event loop until the last window is gone; returns the exit status.
  int Exec();

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace quorvane
