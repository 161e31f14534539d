#include "tests/wayland/fake_compositor.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <wayland-server-protocol.h>

#include <algorithm>

#include "wlr-layer-shell-unstable-v1-server-protocol.h"

namespace quorvane::wayland {

namespace {

FakeCompositor::Surface* SurfaceData(wl_resource* resource) {
  return static_cast<FakeCompositor::Surface*>(wl_resource_get_user_data(resource));
}

std::vector<std::uint32_t> PixelsOf(wl_resource* buffer, int& width, int& height) {
  wl_shm_buffer* shm = wl_shm_buffer_get(buffer);
  if (shm == nullptr) {
    return {};
  }
  width = wl_shm_buffer_get_width(shm);
  height = wl_shm_buffer_get_height(shm);
  const int stride = wl_shm_buffer_get_stride(shm);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  wl_shm_buffer_begin_access(shm);
  const auto* data = static_cast<const std::uint8_t*>(wl_shm_buffer_get_data(shm));
  for (int y = 0; y < height; ++y) {
    std::copy_n(reinterpret_cast<const std::uint32_t*>(data + y * stride), width,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  }
  wl_shm_buffer_end_access(shm);
  return pixels;
}

void Destroy(wl_client*, wl_resource* resource) {
  wl_resource_destroy(resource);
}

template <typename... Args>
void Ignore(wl_client*, wl_resource*, Args...) {}

}  // namespace

FakeCompositor::FakeCompositor() : display_(wl_display_create()) {
  int fds[2];
  socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds);
  clientFd_ = fds[1];
  wl_display_init_shm(display_);
  wl_global_create(display_, &wl_compositor_interface, 4, this, &BindCompositor);
  wl_global_create(display_, &zwlr_layer_shell_v1_interface, 4, this, &BindLayerShell);
  wl_client_create(display_, fds[0]);
  thread_ = std::thread([this] { Run(); });
}

FakeCompositor::~FakeCompositor() {
  running_ = false;
  thread_.join();
  wl_display_destroy_clients(display_);
  wl_display_destroy(display_);
}

void FakeCompositor::Run() {
  pollfd events{wl_event_loop_get_fd(wl_display_get_event_loop(display_)), POLLIN, 0};
  while (running_) {
    poll(&events, 1, 5);
    const std::lock_guard lock(mutex_);
    wl_event_loop_dispatch(wl_display_get_event_loop(display_), 0);
    wl_display_flush_clients(display_);
  }
}

void FakeCompositor::BindCompositor(wl_client* client, void* data, std::uint32_t version,
                                    std::uint32_t id) {
  static const struct wl_region_interface regionImplementation = {
      &Destroy, &Ignore<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
      &Ignore<std::int32_t, std::int32_t, std::int32_t, std::int32_t>};
  static const struct wl_surface_interface surfaceImplementation = {
      &Destroy,
      [](wl_client*, wl_resource* resource, wl_resource* buffer, std::int32_t, std::int32_t) {
        SurfaceData(resource)->pending = buffer;
        SurfaceData(resource)->attached = true;
      },
      &Ignore<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
      [](wl_client* frameClient, wl_resource*, std::uint32_t callback) {
        wl_resource_create(frameClient, &wl_callback_interface, 1, callback);
      },
      &Ignore<wl_resource*>,
      &Ignore<wl_resource*>,
      [](wl_client*, wl_resource* resource) {
        Surface* surface = SurfaceData(resource);
        surface->compositor->Commit(*surface);
      },
      &Ignore<std::int32_t>,
      [](wl_client*, wl_resource* resource, std::int32_t scale) {
        SurfaceData(resource)->pendingScale = scale;
      },
      &Ignore<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
      &Ignore<std::int32_t, std::int32_t>,
  };
  static const struct wl_compositor_interface compositorImplementation = {
      [](wl_client* owner, wl_resource* resource, std::uint32_t surfaceId) {
        auto* self = static_cast<FakeCompositor*>(wl_resource_get_user_data(resource));
        Surface& surface = self->surfaces_.emplace_back();
        surface.compositor = self;
        surface.surface = wl_resource_create(owner, &wl_surface_interface,
                                             wl_resource_get_version(resource), surfaceId);
        wl_resource_set_implementation(surface.surface, &surfaceImplementation, &surface,
                                       [](wl_resource* gone) {
                                         Surface* dead = SurfaceData(gone);
                                         if (dead->layerSurface != nullptr) {
                                           wl_resource_set_user_data(dead->layerSurface, nullptr);
                                         }
                                         dead->compositor->surfaces_.remove_if(
                                             [dead](const Surface& s) { return &s == dead; });
                                       });
      },
      [](wl_client* owner, wl_resource* resource, std::uint32_t regionId) {
        wl_resource_set_implementation(
            wl_resource_create(owner, &wl_region_interface, wl_resource_get_version(resource),
                               regionId),
            &regionImplementation, nullptr, nullptr);
      },
  };
  wl_resource* resource = wl_resource_create(client, &wl_compositor_interface, version, id);
  wl_resource_set_implementation(resource, &compositorImplementation, data, nullptr);
}

void FakeCompositor::BindOutput(wl_client* client, void* data, std::uint32_t version,
                                std::uint32_t id) {
  static const struct wl_output_interface implementation = {&Destroy};
  auto* output = static_cast<Output*>(data);
  wl_resource* resource = wl_resource_create(client, &wl_output_interface, version, id);
  wl_resource_set_implementation(resource, &implementation, output, [](wl_resource* gone) {
    if (auto* owner = static_cast<Output*>(wl_resource_get_user_data(gone))) {
      std::erase(owner->resources, gone);
    }
  });
  output->resources.push_back(resource);
  wl_output_send_mode(resource, WL_OUTPUT_MODE_CURRENT, output->width, output->height, 60000);
  wl_output_send_scale(resource, output->scale);
  wl_output_send_done(resource);
}

void FakeCompositor::BindLayerShell(wl_client* client, void* data, std::uint32_t version,
                                    std::uint32_t id) {
  static const struct zwlr_layer_surface_v1_interface layerSurfaceImplementation = {
      &Ignore<std::uint32_t, std::uint32_t>,
      &Ignore<std::uint32_t>,
      &Ignore<std::int32_t>,
      &Ignore<std::int32_t, std::int32_t, std::int32_t, std::int32_t>,
      &Ignore<std::uint32_t>,
      &Ignore<wl_resource*>,
      [](wl_client*, wl_resource* resource, std::uint32_t serial) {
        if (Surface* surface = SurfaceData(resource)) {
          surface->acknowledged = serial;
        }
      },
      &Destroy,
      &Ignore<std::uint32_t>,
  };
  static const struct zwlr_layer_shell_v1_interface shellImplementation = {
      [](wl_client* owner, wl_resource* resource, std::uint32_t layerId, wl_resource* surface,
         wl_resource* output, std::uint32_t, const char*) {
        auto* self = static_cast<FakeCompositor*>(wl_resource_get_user_data(resource));
        Surface* target = SurfaceData(surface);
        target->layerSurface = wl_resource_create(owner, &zwlr_layer_surface_v1_interface,
                                                  wl_resource_get_version(resource), layerId);
        for (Output& candidate : self->outputs_) {
          const auto& bound = candidate.resources;
          if (std::find(bound.begin(), bound.end(), output) != bound.end()) {
            target->output = &candidate;
          }
        }
        wl_resource_set_implementation(target->layerSurface, &layerSurfaceImplementation, target,
                                       [](wl_resource* gone) {
                                         if (Surface* shell = SurfaceData(gone)) {
                                           shell->layerSurface = nullptr;
                                         }
                                       });
      },
      &Destroy,
  };
  wl_resource* resource = wl_resource_create(client, &zwlr_layer_shell_v1_interface, version, id);
  wl_resource_set_implementation(resource, &shellImplementation, data, nullptr);
}

void FakeCompositor::Configure(Surface& surface) {
  if (surface.layerSurface == nullptr || surface.output == nullptr) {
    return;
  }
  surface.lastSerial = wl_display_next_serial(display_);
  zwlr_layer_surface_v1_send_configure(surface.layerSurface, surface.lastSerial,
                                       surface.output->width / surface.output->scale,
                                       surface.output->height / surface.output->scale);
}

void FakeCompositor::Commit(Surface& surface) {
  // Every buffer the compositor holds must read as it did when it was handed over.
  for (Held& held : held_) {
    int width = 0;
    int height = 0;
    if (PixelsOf(held.buffer, width, height) != held.pixels) {
      heldBufferReused_ = true;
    }
  }
  if (surface.attached && surface.pending != nullptr) {
    wl_resource* buffer = surface.pending;
    surface.pixels = PixelsOf(buffer, surface.width, surface.height);
    surface.scale = surface.pendingScale;
    ++surface.pictures;
    if (!hold_ && surface.shown != nullptr && surface.shown != buffer) {
      held_.remove_if([&surface](const Held& held) {
        if (held.buffer != surface.shown) {
          return false;
        }
        wl_list_remove(&const_cast<Held&>(held).destroyed.link);
        wl_buffer_send_release(held.buffer);
        return true;
      });
    }
    surface.shown = buffer;
    const bool known = std::any_of(held_.begin(), held_.end(),
                                   [buffer](const Held& held) { return held.buffer == buffer; });
    if (!known) {
      Held& held = held_.emplace_back();
      held.compositor = this;
      held.buffer = buffer;
      held.pixels = surface.pixels;
      held.destroyed.notify = [](wl_listener* listener, void*) {
        Held* gone = wl_container_of(listener, gone, destroyed);
        wl_list_remove(&gone->destroyed.link);
        gone->compositor->held_.remove_if([gone](const Held& h) { return &h == gone; });
      };
      wl_resource_add_destroy_listener(buffer, &held.destroyed);
    }
  }
  surface.attached = false;
  surface.pending = nullptr;
  if (surface.lastSerial == 0) {
    Configure(surface);
  }
}

FakeCompositor::Output* FakeCompositor::AddOutput(int width, int height, int scale) {
  const std::lock_guard lock(mutex_);
  Output& output = outputs_.emplace_back();
  output.width = width;
  output.height = height;
  output.scale = scale;
  output.global = wl_global_create(display_, &wl_output_interface, 3, &output, &BindOutput);
  return &output;
}

void FakeCompositor::RemoveOutput(Output* output) {
  const std::lock_guard lock(mutex_);
  // As wlroots does: the output's layer surfaces are closed, then the output goes.
  for (Surface& surface : surfaces_) {
    if (surface.output == output) {
      if (surface.layerSurface != nullptr) {
        zwlr_layer_surface_v1_send_closed(surface.layerSurface);
      }
      surface.output = nullptr;
    }
  }
  wl_global_destroy(output->global);
  for (wl_resource* resource : output->resources) {
    wl_resource_set_user_data(resource, nullptr);
  }
  outputs_.remove_if([output](const Output& o) { return &o == output; });
}

void FakeCompositor::SetScale(Output* output, int scale) {
  const std::lock_guard lock(mutex_);
  output->scale = scale;
  for (wl_resource* resource : output->resources) {
    wl_output_send_scale(resource, scale);
    wl_output_send_done(resource);
  }
  for (Surface& surface : surfaces_) {
    if (surface.output == output) {
      Configure(surface);
    }
  }
}

void FakeCompositor::CloseSurfaces(Output* output) {
  const std::lock_guard lock(mutex_);
  for (Surface& surface : surfaces_) {
    if (surface.output == output && surface.layerSurface != nullptr) {
      zwlr_layer_surface_v1_send_closed(surface.layerSurface);
    }
  }
}

void FakeCompositor::HoldBuffers(bool hold) {
  const std::lock_guard lock(mutex_);
  hold_ = hold;
  if (hold) {
    return;
  }
  held_.remove_if([this](Held& held) {
    const bool shown = std::any_of(surfaces_.begin(), surfaces_.end(),
                                   [&held](const Surface& s) { return s.shown == held.buffer; });
    if (shown) {
      return false;
    }
    wl_list_remove(&held.destroyed.link);
    wl_buffer_send_release(held.buffer);
    return true;
  });
}

std::vector<FakeCompositor::Surface> FakeCompositor::Surfaces() {
  const std::lock_guard lock(mutex_);
  return {surfaces_.begin(), surfaces_.end()};
}

std::size_t FakeCompositor::HeldBuffers() {
  const std::lock_guard lock(mutex_);
  return held_.size();
}

}  // namespace quorvane::wayland
