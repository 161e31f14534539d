// One output's surface of the full-screen saver: over the whole output and above every window
// and panel, as a layer surface on the overlay layer that takes the keyboard (where the
// compositor offers the layer shell) or else as a full-screen toplevel on that output. It shows
// either black or the orrery's canvas, at the output's scale: integer (wl_output) or
// fractional (wp_fractional_scale_v1 with a viewport) where offered.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/pixel_canvas.h"
#include "wayland/orrery/canvas_presenter.h"
#include "wayland/platform/wayland_connection.h"

struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct xdg_surface;
struct xdg_toplevel;
struct zwlr_layer_surface_v1;

namespace quorvane::wayland {

class OutputSurface {
 public:
  // Scales are kept in 120ths, as the fractional scale protocol gives them.
  static constexpr int kScaleDenominator = 120;

  // A surface for `output`, titled `title` where the shell shows titles. `changed` runs when
  // the surface gets its first size, or a new size or scale: the picture must be made anew.
  // `closed` runs when the compositor will not show it any more.
  OutputSurface(WaylandConnection& connection, const WaylandOutput& output,
                const std::string& title, std::function<void()> changed,
                std::function<void()> closed);
  ~OutputSurface();
  OutputSurface(const OutputSurface&) = delete;
  OutputSurface& operator=(const OutputSurface&) = delete;

  wl_output* Output() const { return output_; }
  // Whether the compositor has given the surface its size.
  bool IsConfigured() const { return width_ > 0 && height_ > 0; }
  // Logical pixels.
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Device pixels per logical pixel.
  double Scale() const { return static_cast<double>(scale120_) / kScaleDenominator; }

  // The output's description changed (its integer scale may be new).
  void OutputChanged(const WaylandOutput& output);

  // Shows black over the whole output.
  void ShowBlack();
  // Shows the canvas, which is Width() x Height() at Scale() in device pixels; `changed` is
  // what changed since the last call. After ShowBlack, a new size or a new scale, the canvas
  // must be a new one, whose first changes are all of it.
  void ShowCanvas(const PixelCanvas& canvas, const std::vector<PixelRect>& changed);

 private:
  void Configure(std::uint32_t serial, int width, int height);
  // The scale in 120ths the buffers are made for.
  void SetScale(int scale120);
  // Sets how the next buffer maps onto the surface: `scale` device pixels per logical pixel,
  // or, when the scale is not whole, a viewport of the surface's logical size.
  void MapBuffer(int bufferScale, bool viewport);
  void Commit();
  // Logical pixels as device pixels at the surface's scale.
  int DevicePixels(int logical) const;

  WaylandConnection& connection_;
  wl_output* output_;
  std::function<void()> changed_;
  std::function<void()> closed_;
  wl_surface* surface_ = nullptr;
  zwlr_layer_surface_v1* layerSurface_ = nullptr;
  xdg_surface* xdgSurface_ = nullptr;
  xdg_toplevel* toplevel_ = nullptr;
  wp_viewport* viewport_ = nullptr;
  wp_fractional_scale_v1* fractionalScale_ = nullptr;
  bool fractional_ = false;  // the compositor gives a fractional scale
  int outputScale_ = 1;
  int outputWidth_ = 0;  // logical, from the output's mode
  int outputHeight_ = 0;
  int scale120_ = kScaleDenominator;
  int width_ = 0;
  int height_ = 0;
  int pendingWidth_ = 0;  // from a toplevel's configure, applied with its surface's
  int pendingHeight_ = 0;
  std::uint32_t unacknowledged_ = 0;
  bool mustAcknowledge_ = false;
  std::unique_ptr<ShmBuffer> black_;
  std::unique_ptr<CanvasPresenter> presenter_;
};

}  // namespace quorvane::wayland
