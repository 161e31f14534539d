// The preview window: a fixed miniature orrery for the host's preview pane. It sizes itself and
// draws the orbit ring on its persistent canvas at load; its own timer then moves the planet.
// The Sun and the planet are lightweight shapes painted by the window over the canvas.
#pragma once

#include <QRect>
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

  // The device pixels a shape's circle covers.
  QRect PixelCircle(const Shape& shape) const;

  ScreenMetrics screen_;
  PreviewScene scene_;
  std::unique_ptr<PixelCanvas> canvas_;
  QTimer Timer1{this};
  bool loaded_ = false;
};

}  // namespace quorvane
