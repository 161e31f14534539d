// The full-screen window: it owns the canvas and the scene, runs the frame timer and ends the
// program on any key, any mouse button or (through the scene) a mouse movement.
#pragma once

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "core/orrery/orrery_scene.h"
#include "core/platform/pixel_canvas.h"
#include "core/startup/mod_public.h"
#include "qt/platform/qt_screen.h"
#include "qt/platform/x11_blit.h"

namespace quorvane {

class frmMain final : public QWidget, private OrreryHost {
  Q_OBJECT

 public:
  // Builds the window over the whole primary screen and runs Form_Load, so the first picture is
  // on the canvas before the window is shown.
  frmMain(ModPublic& modPublic, const ScreenMetrics& screen);
  ~frmMain() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  QPaintEngine* paintEngine() const override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void Timer1_Timer();
  void Form_KeyDown();
  void Form_MouseDown();
  void Form_Unload();

  CursorPoint CursorPosition() override;
  void EndProgram() override;
  void SetTimerEnabled(bool enabled) override;
  void SetScreenSaverActive(bool active) override;

  const bool paintsOnScreen_;
  const ScreenMetrics screen_;
  PixelCanvas canvas_;
  OrreryScene scene_;
  QLineEdit* txtDummy;
  QTimer* Timer1;
  X11Blitter blitter_;
  bool drewFirstFrames_ = false;
  bool awaitingServerExpose_ = true;
  // Where the pointer is, from its events while it is over the window.
  bool pointerOver_ = false;
  QPoint pointer_;
};

}  // namespace quorvane
