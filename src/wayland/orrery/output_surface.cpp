#include "wayland/orrery/output_surface.h"

#include <wayland-client.h>

#include <climits>
#include <cmath>

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace quorvane::wayland {

namespace {

constexpr char kAppId[] = "quorvane";

OutputSurface& SurfaceOf(void* data) {
  return *static_cast<OutputSurface*>(data);
}

}  // namespace

OutputSurface::OutputSurface(WaylandConnection& connection, const WaylandOutput& output,
                             const std::string& title, std::function<void()> changed,
                             std::function<void()> closed)
    : connection_(connection),
      output_(output.output),
      changed_(std::move(changed)),
      closed_(std::move(closed)) {
  OutputChanged(output);
  surface_ = wl_compositor_create_surface(connection.Compositor());
  if (connection.Viewporter() != nullptr) {
    viewport_ = wp_viewporter_get_viewport(connection.Viewporter(), surface_);
    if (connection.FractionalScale() != nullptr) {
      static const wp_fractional_scale_v1_listener listener = {
          [](void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
            SurfaceOf(data).fractional_ = true;
            SurfaceOf(data).SetScale(static_cast<int>(scale));
          },
      };
      fractionalScale_ = wp_fractional_scale_manager_v1_get_fractional_scale(
          connection.FractionalScale(), surface_);
      wp_fractional_scale_v1_add_listener(fractionalScale_, &listener, this);
    }
  }
  if (connection.LayerShell() != nullptr) {
    static const zwlr_layer_surface_v1_listener listener = {
        [](void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width,
           std::uint32_t height) {
          SurfaceOf(data).Configure(serial, static_cast<int>(width), static_cast<int>(height));
        },
        [](void* data, zwlr_layer_surface_v1*) { SurfaceOf(data).closed_(); },
    };
    layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(
        connection.LayerShell(), surface_, output_, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, kAppId);
    zwlr_layer_surface_v1_add_listener(layerSurface_, &listener, this);
    // Edge to edge, over panels and their reserved space, with every key.
    zwlr_layer_surface_v1_set_anchor(
        layerSurface_, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                           ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(layerSurface_, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layerSurface_, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    zwlr_layer_surface_v1_set_size(layerSurface_, 0, 0);
  } else {
    static const xdg_surface_listener surfaceListener = {
        [](void* data, xdg_surface*, std::uint32_t serial) {
          OutputSurface& self = SurfaceOf(data);
          self.Configure(serial, self.pendingWidth_, self.pendingHeight_);
        },
    };
    static const xdg_toplevel_listener toplevelListener = {
        [](void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*) {
          SurfaceOf(data).pendingWidth_ = width;
          SurfaceOf(data).pendingHeight_ = height;
        },
        [](void* data, xdg_toplevel*) { SurfaceOf(data).closed_(); },
        [](void*, xdg_toplevel*, std::int32_t, std::int32_t) {},
        [](void*, xdg_toplevel*, wl_array*) {},
    };
    xdgSurface_ = xdg_wm_base_get_xdg_surface(connection.WmBase(), surface_);
    xdg_surface_add_listener(xdgSurface_, &surfaceListener, this);
    toplevel_ = xdg_surface_get_toplevel(xdgSurface_);
    xdg_toplevel_add_listener(toplevel_, &toplevelListener, this);
    xdg_toplevel_set_title(toplevel_, title.c_str());
    xdg_toplevel_set_app_id(toplevel_, kAppId);
    xdg_toplevel_set_fullscreen(toplevel_, output_);
  }
  // The first commit carries no buffer: it asks the compositor for the size.
  wl_surface_commit(surface_);
}

OutputSurface::~OutputSurface() {
  if (layerSurface_ != nullptr) {
    zwlr_layer_surface_v1_destroy(layerSurface_);
  }
  if (toplevel_ != nullptr) {
    xdg_toplevel_destroy(toplevel_);
  }
  if (xdgSurface_ != nullptr) {
    xdg_surface_destroy(xdgSurface_);
  }
  if (fractionalScale_ != nullptr) {
    wp_fractional_scale_v1_destroy(fractionalScale_);
  }
  if (viewport_ != nullptr) {
    wp_viewport_destroy(viewport_);
  }
  wl_surface_destroy(surface_);
}

void OutputSurface::OutputChanged(const WaylandOutput& output) {
  outputScale_ = output.scale;
  outputWidth_ = output.modeWidth / output.scale;
  outputHeight_ = output.modeHeight / output.scale;
  if (!fractional_) {
    SetScale(outputScale_ * kScaleDenominator);
  }
}

void OutputSurface::Configure(std::uint32_t serial, int width, int height) {
  // A size left to the client: the output's, as a full-screen surface has.
  if (width <= 0 || height <= 0) {
    width = outputWidth_;
    height = outputHeight_;
  }
  unacknowledged_ = serial;
  mustAcknowledge_ = true;
  if (width == width_ && height == height_) {
    Commit();
    return;
  }
  width_ = width;
  height_ = height;
  presenter_.reset();
  if (IsConfigured()) {
    changed_();
  }
}

void OutputSurface::SetScale(int scale120) {
  if (scale120 <= 0 || scale120 == scale120_) {
    return;
  }
  scale120_ = scale120;
  presenter_.reset();
  if (IsConfigured() && surface_ != nullptr) {
    changed_();
  }
}

void OutputSurface::ShowBlack() {
  presenter_.reset();
  const bool whole = scale120_ % kScaleDenominator == 0;
  const int width = DevicePixels(width_);
  const int height = DevicePixels(height_);
  if (!black_ || black_->Width() != width || black_->Height() != height) {
    // New shared memory reads as zeros, XRGB8888 black, and takes no memory until written:
    // a black buffer the size of the output costs nothing. (One pixel stretched by a viewport
    // would too, but compositors blur or miss its edges.)
    black_ = ShmBuffer::Create(connection_.Shm(), width, height);
  }
  if (black_) {
    wl_surface_attach(surface_, black_->Buffer(), 0, 0);
    wl_surface_damage_buffer(surface_, 0, 0, INT32_MAX, INT32_MAX);
    MapBuffer(whole ? scale120_ / kScaleDenominator : 1, !whole);
  }
  Commit();
}

int OutputSurface::DevicePixels(int logical) const {
  return static_cast<int>(
      std::lround(static_cast<double>(logical) * scale120_ / kScaleDenominator));
}

void OutputSurface::ShowCanvas(const PixelCanvas& canvas, const std::vector<PixelRect>& changed) {
  if (!presenter_) {
    presenter_ = std::make_unique<CanvasPresenter>(connection_.Shm());
  }
  if (presenter_->Attach(surface_, canvas, changed)) {
    const bool whole = scale120_ % kScaleDenominator == 0;
    MapBuffer(whole ? scale120_ / kScaleDenominator : 1, !whole);
    Commit();
  } else if (mustAcknowledge_) {
    Commit();
  }
}

void OutputSurface::MapBuffer(int bufferScale, bool viewport) {
  wl_surface_set_buffer_scale(surface_, bufferScale);
  if (viewport_ != nullptr) {
    if (viewport) {
      wp_viewport_set_destination(viewport_, width_, height_);
    } else {
      wp_viewport_set_destination(viewport_, -1, -1);
    }
  }
}

void OutputSurface::Commit() {
  if (mustAcknowledge_) {
    mustAcknowledge_ = false;
    if (layerSurface_ != nullptr) {
      zwlr_layer_surface_v1_ack_configure(layerSurface_, unacknowledged_);
    } else {
      xdg_surface_ack_configure(xdgSurface_, unacknowledged_);
    }
  }
  wl_surface_commit(surface_);
}

}  // namespace quorvane::wayland
