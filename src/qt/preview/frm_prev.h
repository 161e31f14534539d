// The preview window: a fixed miniature orrery for the host's preview pane. It sizes itself and
// draws the picture on its canvas at load; its own timer then moves the planet, and each tick
// puts what the canvas changed on the window: on X11 straight from the canvas, as the full-screen
// window does, elsewhere through a repaint.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/preview/preview_scene.h"
#include "core/startup/mod_public.h"
#include "qt/platform/qt_screen.h"
#include "qt/platform/x11_blit.h"

namespace quorvane {

class PixelCanvas;

class frmPrev : public QWidget {
  Q_OBJECT

 public:
  explicit frmPrev(const ModPublic& modPublic);
  ~frmPrev() override;

  // Shows the window modeless; the first time, Form_Load runs before it appears.
  void Show();

 protected:
  QPaintEngine* paintEngine() const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void Timer1_Timer();
  // Puts what the canvas changed on the window.
  void ShowChanges();

  const bool paintsOnScreen_;
  ScreenMetrics screen_;
  PreviewScene scene_;
  std::unique_ptr<PixelCanvas> canvas_;
  QTimer Timer1{this};
  X11Blitter blitter_;
  bool loaded_ = false;
};

}  // namespace quorvane
