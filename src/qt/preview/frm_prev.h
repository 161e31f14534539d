// The preview window: a fixed miniature orrery for the host's preview pane. It sizes itself and
// draws the picture on its canvas at load; its own timer then moves the planet, and each tick
// repaints what the canvas changed.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "core/preview/preview_scene.h"
#include "core/startup/mod_public.h"
#include "qt/platform/qt_screen.h"

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
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load();
  void Timer1_Timer();
  // Asks for a repaint where the canvas changed.
  void RepaintChanges();

  ScreenMetrics screen_;
  PreviewScene scene_;
  std::unique_ptr<PixelCanvas> canvas_;
  QTimer Timer1{this};
  bool loaded_ = false;
};

}  // namespace quorvane
