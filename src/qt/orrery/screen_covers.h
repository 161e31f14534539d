// Black windows over every monitor the full-screen window does not cover, so that "/s" leaves no
// part of any monitor uncovered, including monitors plugged in or resized while it runs. A key or a
// mouse button on a cover ends the program like one on the full-screen window.
//
// One window per monitor rather than one over the whole desktop: the orrery's canvas stays the
// size of one monitor (memory, blit cost), the desktop's gaps between monitors of different sizes
// need no covering, and each cover follows its own monitor. Covers keep no image: on X11 the server
// fills them with their black background, elsewhere Qt paints them black.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>

class QScreen;

namespace quorvane {

class ScreenCovers final : public QObject {
 public:
  // Covers every monitor whose area is not exactly `top`'s; `top` keeps the keyboard.
  explicit ScreenCovers(QWidget* top);
  ~ScreenCovers() override;

 private:
  // Adds and removes covers after monitors came, went or changed.
  void Update();

  QPointer<QWidget> top_;
  std::map<QScreen*, QWidget*> covers_;
};

}  // namespace quorvane
