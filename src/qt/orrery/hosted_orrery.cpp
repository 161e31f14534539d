#include "qt/orrery/hosted_orrery.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QSocketNotifier>

#include "core/platform/tick_interval.h"
#include "qt/orrery/orrery_canvas.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/qt_screen.h"
#include "qt/platform/qt_system_services.h"
#include "qt/platform/termination_signals.h"
#include "qt/platform/window_error_filter.h"
#include "qt/platform/x11_blit.h"

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>

namespace quorvane {

HostedOrrery::HostedOrrery(ModPublic& modPublic, std::unique_ptr<ForeignWindowWatch> watch,
                           WId window)
    : modPublic_(modPublic), watch_(std::move(watch)), window_(window) {
  // The host may destroy its window at any moment: errors about it are expected.
  new WindowErrorFilter({window_}, this);
  auto* notifier = new QSocketNotifier(watch_->Descriptor(), QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, &HostedOrrery::ReadWindowEvents);
  Timer1.setInterval(kTickInterval);
  connect(&Timer1, &QTimer::timeout, this, &HostedOrrery::Timer1_Timer);
  OnTerminationSignal(this, [this] { EndOnSignal(); });
  Form_Load();
}

HostedOrrery::~HostedOrrery() = default;

void HostedOrrery::Form_Load() {
  const QSize pixels(watch_->Width(), watch_->Height());
  screen_ = AreaMetrics(pixels);
  scene_.reset();  // it refers to the canvas and the metrics about to change
  canvas_ = std::make_unique<PixelCanvas>(MakeOrreryCanvas(screen_));
  OrreryHost& host = *this;
  scene_ = std::make_unique<OrreryScene>(modPublic_, *canvas_, screen_, host);
  scene_->Load();
  // The first picture the host shows is complete, as the full-screen window's is.
  scene_->DrawFirstFrames();
  if (Timer1.isActive()) {
    Timer1.start();  // the next frame a whole interval after those two
  }
  canvas_->TakeDirtyRegion();
  Blit(QRect(0, 0, canvas_->Width(), canvas_->Height()));
}

void HostedOrrery::Timer1_Timer() {
  scene_->Tick();
  blitter_.Blit(window_, *canvas_, canvas_->TakeDirtyRegion());
}

void HostedOrrery::ReadWindowEvents() {
  if (watch_->Gone()) {
    EndProgramAtOnce();
  }
  if (watch_->TakeResized()) {
    watch_->TakeExposed();
    SetTimerEnabled(false);
    Form_Load();
  } else if (watch_->TakeExposed()) {
    Blit(QRect(0, 0, canvas_->Width(), canvas_->Height()));
  }
}

void HostedOrrery::Blit(const QRegion& region) {
  blitter_.Blit(window_, *canvas_, region);
}

void HostedOrrery::EndOnSignal() {
  // Run by hand on the root window, the last frame would otherwise stay on the desktop.
  Timer1.stop();
  blitter_.Restore(window_);
  EndProgramAtOnce();
}

void HostedOrrery::EndProgram() {
  EndProgramAtOnce();
}

void HostedOrrery::SetTimerEnabled(bool enabled) {
  if (enabled) {
    Timer1.start();
  } else {
    Timer1.stop();
  }
}

void ShowHostedOrrery(ModPublic& modPublic, unsigned long window) {
  if (window == 0) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
      EndProgramAtOnce();
    }
    window = DefaultRootWindow(x11->display());
  }
  auto watch = ForeignWindowWatch::Start(window, true);
  if (watch == nullptr || watch->Gone() || !watch->CanHoldWindows()) {
    EndProgramAtOnce();
  }
  new HostedOrrery(modPublic, std::move(watch), window);
}

}  // namespace quorvane
