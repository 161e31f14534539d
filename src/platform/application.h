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

  // Runs the event loop until the last window is gone; returns the exit status.
  int Exec();

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace quorvane
