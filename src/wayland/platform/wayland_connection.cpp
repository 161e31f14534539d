#include "wayland/platform/wayland_connection.h"

#include <wayland-client.h>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace quorvane::wayland {

namespace {

// The newest versions whose requests and events the program knows.
constexpr std::uint32_t kCompositorVersion = 4;  // damage_buffer
constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kOutputVersion = 3;
constexpr std::uint32_t kLayerShellVersion = 4;
constexpr std::uint32_t kWmBaseVersion = 2;

template <typename Proxy>
Proxy* Bind(wl_registry* registry, std::uint32_t name, const wl_interface* interface,
            std::uint32_t offered, std::uint32_t wanted) {
  return static_cast<Proxy*>(
      wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

void Ping(void*, xdg_wm_base* base, std::uint32_t serial) {
  xdg_wm_base_pong(base, serial);
}

void OutputText(void*, wl_output*, const char*) {}

void OutputGeometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    std::int32_t, const char*, const char*, std::int32_t) {}

}  // namespace

WaylandConnection::WaylandConnection(wl_display* display, bool offerLayerShell)
    : display_(display), offerLayerShell_(offerLayerShell) {}

WaylandConnection::~WaylandConnection() {
  readable_.reset();
  writable_.reset();
  for (WaylandOutput& output : outputs_) {
    wl_output_destroy(output.output);
  }
  for (wl_seat* seat : seats_) {
    wl_seat_destroy(seat);
  }
  if (fractionalScale_ != nullptr) {
    wp_fractional_scale_manager_v1_destroy(fractionalScale_);
  }
  if (viewporter_ != nullptr) {
    wp_viewporter_destroy(viewporter_);
  }
  if (wmBase_ != nullptr) {
    xdg_wm_base_destroy(wmBase_);
  }
  if (layerShell_ != nullptr) {
    zwlr_layer_shell_v1_destroy(layerShell_);
  }
  if (shm_ != nullptr) {
    wl_shm_destroy(shm_);
  }
  if (compositor_ != nullptr) {
    wl_compositor_destroy(compositor_);
  }
  if (registry_ != nullptr) {
    wl_registry_destroy(registry_);
  }
  wl_display_disconnect(display_);
}

std::unique_ptr<WaylandConnection> WaylandConnection::Connect(bool offerLayerShell) {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    return nullptr;
  }
  return std::make_unique<WaylandConnection>(display, offerLayerShell);
}

bool WaylandConnection::Start() {
  static const wl_registry_listener listener = {&WaylandConnection::Global,
                                                &WaylandConnection::GlobalRemove};
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &listener, this);
  // The first answer lists the globals, the second the outputs' descriptions.
  if (!Roundtrip() || !Roundtrip()) {
    return false;
  }
  return compositor_ != nullptr && shm_ != nullptr &&
         (layerShell_ != nullptr || wmBase_ != nullptr);
}

void WaylandConnection::Global(void* data, wl_registry* registry, std::uint32_t name,
                               const char* interface, std::uint32_t version) {
  auto* self = static_cast<WaylandConnection*>(data);
  const auto is = [interface](const wl_interface& known) {
    return std::strcmp(interface, known.name) == 0;
  };
  if (is(wl_compositor_interface) && self->compositor_ == nullptr) {
    self->compositor_ =
        Bind<wl_compositor>(registry, name, &wl_compositor_interface, version, kCompositorVersion);
  } else if (is(wl_shm_interface) && self->shm_ == nullptr) {
    self->shm_ = Bind<wl_shm>(registry, name, &wl_shm_interface, version, 1);
  } else if (is(zwlr_layer_shell_v1_interface) && self->offerLayerShell_ &&
             self->layerShell_ == nullptr) {
    self->layerShell_ = Bind<zwlr_layer_shell_v1>(registry, name, &zwlr_layer_shell_v1_interface,
                                                  version, kLayerShellVersion);
  } else if (is(xdg_wm_base_interface) && self->wmBase_ == nullptr) {
    static const xdg_wm_base_listener listener = {&Ping};
    self->wmBase_ =
        Bind<xdg_wm_base>(registry, name, &xdg_wm_base_interface, version, kWmBaseVersion);
    xdg_wm_base_add_listener(self->wmBase_, &listener, nullptr);
  } else if (is(wp_viewporter_interface) && self->viewporter_ == nullptr) {
    self->viewporter_ = Bind<wp_viewporter>(registry, name, &wp_viewporter_interface, version, 1);
  } else if (is(wp_fractional_scale_manager_v1_interface) && self->fractionalScale_ == nullptr) {
    self->fractionalScale_ = Bind<wp_fractional_scale_manager_v1>(
        registry, name, &wp_fractional_scale_manager_v1_interface, version, 1);
  } else if (is(wl_seat_interface)) {
    auto* seat = Bind<wl_seat>(registry, name, &wl_seat_interface, version, kSeatVersion);
    self->seats_.push_back(seat);
    if (self->seatAdded) {
      self->seatAdded(seat);
    }
  } else if (is(wl_output_interface)) {
    self->AddOutput(name, version);
  }
}

WaylandOutput* WaylandConnection::OutputFor(wl_output* proxy) {
  const auto found =
      std::find_if(outputs_.begin(), outputs_.end(),
                   [proxy](const WaylandOutput& output) { return output.output == proxy; });
  return found != outputs_.end() ? &*found : nullptr;
}

void WaylandConnection::AddOutput(std::uint32_t name, std::uint32_t version) {
  static const wl_output_listener listener = {
      &OutputGeometry,
      [](void* data, wl_output* proxy, std::uint32_t flags, std::int32_t width, std::int32_t height,
         std::int32_t) {
        WaylandOutput* output = static_cast<WaylandConnection*>(data)->OutputFor(proxy);
        if (output != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
          output->modeWidth = width;
          output->modeHeight = height;
        }
      },
      [](void* data, wl_output* proxy) {
        auto* self = static_cast<WaylandConnection*>(data);
        if (WaylandOutput* output = self->OutputFor(proxy)) {
          output->ready = true;
          if (self->outputReady) {
            self->outputReady(*output);
          }
        }
      },
      [](void* data, wl_output* proxy, std::int32_t factor) {
        if (WaylandOutput* output = static_cast<WaylandConnection*>(data)->OutputFor(proxy)) {
          output->scale = std::max(factor, 1);
        }
      },
      &OutputText,
      &OutputText,
  };
  WaylandOutput& output = outputs_.emplace_back();
  output.name = name;
  output.output = Bind<wl_output>(registry_, name, &wl_output_interface, version, kOutputVersion);
  wl_output_add_listener(output.output, &listener, this);
}

void WaylandConnection::GlobalRemove(void* data, wl_registry*, std::uint32_t name) {
  auto* self = static_cast<WaylandConnection*>(data);
  const auto found =
      std::find_if(self->outputs_.begin(), self->outputs_.end(),
                   [name](const WaylandOutput& output) { return output.name == name; });
  if (found == self->outputs_.end()) {
    return;
  }
  if (found->ready && self->outputRemoved) {
    self->outputRemoved(*found);
  }
  if (wl_output_get_version(found->output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
    wl_output_release(found->output);
  } else {
    wl_output_destroy(found->output);
  }
  self->outputs_.erase(found);
}

void WaylandConnection::WatchInEventLoop() {
  const int fd = wl_display_get_fd(display_);
  readable_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(readable_.get(), &QSocketNotifier::activated, this, &WaylandConnection::DispatchWaiting);
  writable_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
  writable_->setEnabled(false);
  connect(writable_.get(), &QSocketNotifier::activated, this, &WaylandConnection::Flush);
  // Requests made while handling any event go out before the loop sleeps.
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] {
            if (!broken_) {
              Check(wl_display_dispatch_pending(display_));
              Flush();
            }
          });
}

void WaylandConnection::DispatchWaiting() {
  if (broken_) {
    return;
  }
  while (wl_display_prepare_read(display_) != 0) {
    if (wl_display_dispatch_pending(display_) < 0) {
      Check(-1);
      return;
    }
  }
  // Reads without waiting: nothing there is not an error.
  if (wl_display_read_events(display_) < 0) {
    Check(-1);
    return;
  }
  Check(wl_display_dispatch_pending(display_));
}

void WaylandConnection::Flush() {
  if (broken_) {
    return;
  }
  if (wl_display_flush(display_) >= 0) {
    if (writable_) {
      writable_->setEnabled(false);
    }
    return;
  }
  if (errno == EAGAIN && writable_) {
    // The socket is full: the rest goes when it takes more.
    writable_->setEnabled(true);
    return;
  }
  Check(-1);
}

bool WaylandConnection::Roundtrip() {
  Check(wl_display_roundtrip(display_));
  return !broken_;
}

void WaylandConnection::Check(int result) {
  if (result >= 0 && wl_display_get_error(display_) == 0) {
    return;
  }
  if (broken_) {
    return;
  }
  broken_ = true;
  readable_.reset();
  writable_.reset();
  const int error = wl_display_get_error(display_);
  std::string message;
  if (error == EPROTO) {
    const wl_interface* interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(display_, &interface, &id);
    message = "the Wayland compositor refused a request (" +
              std::string(interface != nullptr ? interface->name : "unknown") + " error " +
              std::to_string(code) + ")";
  } else {
    message = "lost the connection to the Wayland compositor: " +
              std::string(std::strerror(error != 0 ? error : EPIPE));
  }
  if (lost) {
    lost(message);
  }
}

}  // namespace quorvane::wayland
