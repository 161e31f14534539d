#include "wayland/orrery/frm_main.h"

#include <wayland-client.h>
#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <utility>

#include "core/platform/tick_interval.h"
#include "qt/orrery/orrery_canvas.h"
#include "qt/platform/qt_system_services.h"

namespace quorvane::wayland {

namespace {

constexpr char kCoverTitle[] = "Quorvane (cover)";

// A surface's size is in logical pixels already: one of them to each of the scene's.
ScreenMetrics LogicalMetrics(const OutputSurface& surface) {
  return LogicalScreen(surface.Width(), surface.Height(), 1);
}

}  // namespace

frmMain::frmMain(ModPublic& modPublic, WaylandConnection& connection)
    : endProgram([] { EndProgramAtOnce(); }),
      closeProgram([] { QCoreApplication::exit(0); }),
      modPublic_(modPublic),
      connection_(connection),
      Timer1(new QTimer(this)) {
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kTickInterval);
  connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
  connection_.outputReady = [this](const WaylandOutput& output) { OutputReady(output); };
  connection_.outputRemoved = [this](const WaylandOutput& output) { OutputRemoved(output); };
  connection_.seatAdded = [this](wl_seat* seat) { SeatAdded(seat); };
}

frmMain::~frmMain() {
  connection_.outputReady = nullptr;
  connection_.outputRemoved = nullptr;
  connection_.seatAdded = nullptr;
}

bool frmMain::Start() {
  if (!connection_.Start()) {
    return false;
  }
  started_ = true;
  for (const WaylandOutput& output : connection_.Outputs()) {
    if (output.ready) {
      OutputReady(output);
    }
  }
  connection_.Flush();
  return true;
}

void frmMain::Form_Load() {
  screen_ = LogicalMetrics(*orreryOn_);
  // In device pixels, so that at any scale every pixel of the output is painted.
  canvas_ = std::make_unique<PixelCanvas>(MakeOrreryCanvas(screen_, orreryOn_->Scale()));
  OrreryHost& host = *this;
  scene_ = std::make_unique<OrreryScene>(modPublic_, *canvas_, screen_, host);
  scene_->Load();
  scene_->DrawFirstFrames();
  if (Timer1->isActive()) {
    Timer1->start();
  }
  orreryOn_->ShowCanvas(*canvas_, canvas_->TakeDirtyRegion());
}

void frmMain::Timer1_Timer() {
  // Input and outputs that arrived since the last tick count for this one.
  connection_.DispatchWaiting();
  if (!scene_) {
    return;
  }
  scene_->Tick();
  orreryOn_->ShowCanvas(*canvas_, canvas_->TakeDirtyRegion());
  connection_.Flush();
}

void frmMain::Form_KeyDown() {
  endProgram();
}

void frmMain::Form_MouseDown() {
  endProgram();
}

void frmMain::Form_Unload() {
  if (scene_) {
    scene_->Unload();
  }
  // After the handler that saw the close: the event loop may not run yet.
  QMetaObject::invokeMethod(
      this, [this] { closeProgram(); }, Qt::QueuedConnection);
}

void frmMain::OutputReady(const WaylandOutput& output) {
  if (!started_) {
    return;
  }
  if (OutputSurface* surface = SurfaceFor(output.output)) {
    surface->OutputChanged(output);
    return;
  }
  wl_output* key = output.output;
  // Titles show only in a compositor's window list, where the first names the saver.
  const std::string title = surfaces_.empty() ? std::string(MainTitle) : kCoverTitle;
  surfaces_.push_back(std::make_unique<OutputSurface>(
      connection_, output, title, [this, key] { SurfaceChanged(key); },
      [this, key] { SurfaceClosed(key); }));
  PlaceOrrery();
}

void frmMain::OutputRemoved(const WaylandOutput& output) {
  const auto found = std::find_if(surfaces_.begin(), surfaces_.end(), [&output](const auto& s) {
    return s->Output() == output.output;
  });
  if (found == surfaces_.end()) {
    return;
  }
  if (found->get() == orreryOn_) {
    orreryOn_ = nullptr;
    scene_.reset();
    canvas_.reset();
  }
  surfaces_.erase(found);
  PlaceOrrery();
}

void frmMain::SeatAdded(wl_seat* seat) {
  seats_.push_back(std::make_unique<WaylandSeat>(
      seat, pointer_, [this] { Form_KeyDown(); }, [this] { Form_MouseDown(); }));
}

void frmMain::SurfaceChanged(wl_output* output) {
  // A new scale and a new size often come in one batch of events: one new picture for both.
  if (changed_.empty()) {
    QMetaObject::invokeMethod(this, &frmMain::RepaintChanged, Qt::QueuedConnection);
  }
  changed_.insert(output);
}

void frmMain::RepaintChanged() {
  for (wl_output* output : std::exchange(changed_, {})) {
    OutputSurface* surface = SurfaceFor(output);
    if (surface == nullptr || !surface->IsConfigured()) {
      continue;
    }
    if (surface == orreryOn_) {
      Form_Load();
    } else {
      surface->ShowBlack();
    }
  }
  connection_.Flush();
}

void frmMain::SurfaceClosed(wl_output* output) {
  // An output that goes away closes its surface first and is removed just after: what the
  // compositor sent before it answers the sync tells which.
  wl_callback* sync = wl_display_sync(connection_.Display());
  struct Pending {
    frmMain* window;
    wl_output* output;
  };
  static const wl_callback_listener listener = {
      [](void* data, wl_callback* callback, std::uint32_t) {
        const auto* pending = static_cast<Pending*>(data);
        frmMain* window = pending->window;
        const bool outputStays = window->SurfaceFor(pending->output) != nullptr;
        delete pending;
        wl_callback_destroy(callback);
        if (outputStays) {
          window->Form_Unload();
        }
      },
  };
  wl_callback_add_listener(sync, &listener, new Pending{this, output});
}

void frmMain::PlaceOrrery() {
  OutputSurface* first = nullptr;
  for (const WaylandOutput& output : connection_.Outputs()) {
    if ((first = SurfaceFor(output.output)) != nullptr) {
      break;
    }
  }
  if (first == orreryOn_) {
    return;
  }
  if (orreryOn_ != nullptr && orreryOn_->IsConfigured()) {
    orreryOn_->ShowBlack();
  }
  orreryOn_ = first;
  scene_.reset();
  canvas_.reset();
  if (orreryOn_ != nullptr && orreryOn_->IsConfigured()) {
    Form_Load();
  }
}

OutputSurface* frmMain::SurfaceFor(wl_output* output) const {
  const auto found = std::find_if(surfaces_.begin(), surfaces_.end(),
                                  [output](const auto& s) { return s->Output() == output; });
  return found != surfaces_.end() ? found->get() : nullptr;
}

void frmMain::SetTimerEnabled(bool enabled) {
  if (enabled) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
}

void frmMain::SetScreenSaverActive(bool active) {
  ::quorvane::SetScreenSaverActive(active);
}

}  // namespace quorvane::wayland
