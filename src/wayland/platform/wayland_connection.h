// The connection to the Wayland compositor: the globals the full-screen saver binds, the outputs
// as they come and go, and the connection's place in Qt's event loop (read when the socket has
// data, flushed before the loop sleeps).
//
// Implements: wl_compositor, wl_shm, wl_seat, wl_output (scale, current mode), and where offered
// zwlr_layer_shell_v1, xdg_wm_base, wp_viewporter and wp_fractional_scale_manager_v1. Limits:
// one event queue, on the thread that runs Qt's event loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;

namespace quorvane::wayland {

// One output (monitor) as the compositor describes it.
struct WaylandOutput {
  std::uint32_t name = 0;  // the global's name
  wl_output* output = nullptr;
  std::int32_t scale = 1;      // integer scale: device pixels per logical pixel
  std::int32_t modeWidth = 0;  // current mode, device pixels
  std::int32_t modeHeight = 0;
  bool ready = false;  // its first description is complete
};

class WaylandConnection final : public QObject {
 public:
  // Takes `display`, a connection already made.
  explicit WaylandConnection(wl_display* display, bool offerLayerShell = true);
  ~WaylandConnection() override;

  // Connects to the compositor named by WAYLAND_DISPLAY; nothing when it cannot be reached.
  static std::unique_ptr<WaylandConnection> Connect(bool offerLayerShell = true);

  // Binds the globals and waits for the outputs' first descriptions. False when the compositor
  // lacks what every picture needs (wl_compositor, wl_shm, and one of the two shells).
  bool Start();
  // Reads from Qt's event loop from now on.
  void WatchInEventLoop();
  // Reads and handles what the compositor has sent, without waiting.
  void DispatchWaiting();
  // Sends what is queued.
  void Flush();
  // Waits until the compositor has answered everything sent so far.
  bool Roundtrip();

  wl_display* Display() const { return display_; }
  wl_compositor* Compositor() const { return compositor_; }
  wl_shm* Shm() const { return shm_; }
  zwlr_layer_shell_v1* LayerShell() const { return layerShell_; }
  xdg_wm_base* WmBase() const { return wmBase_; }
  wp_viewporter* Viewporter() const { return viewporter_; }
  wp_fractional_scale_manager_v1* FractionalScale() const { return fractionalScale_; }
  const std::list<WaylandOutput>& Outputs() const { return outputs_; }

  // Each output once its first description is complete, and again after each change.
  std::function<void(const WaylandOutput&)> outputReady;
  // An output going away, before its object is released.
  std::function<void(const WaylandOutput&)> outputRemoved;
  // Each seat (keyboard, pointer and touch screen) as it is announced.
  std::function<void(wl_seat*)> seatAdded;
  // The connection broke (the compositor ended, or refused a request); one line.
  std::function<void(const std::string&)> lost;

 private:
  static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                     std::uint32_t version);
  static void GlobalRemove(void* data, wl_registry* registry, std::uint32_t name);
  void AddOutput(std::uint32_t name, std::uint32_t version);
  WaylandOutput* OutputFor(wl_output* proxy);
  // Handles a failed call: reports the connection lost.
  void Check(int result);

  wl_display* display_;
  const bool offerLayerShell_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  zwlr_layer_shell_v1* layerShell_ = nullptr;
  xdg_wm_base* wmBase_ = nullptr;
  wp_viewporter* viewporter_ = nullptr;
  wp_fractional_scale_manager_v1* fractionalScale_ = nullptr;
  std::vector<wl_seat*> seats_;
  std::list<WaylandOutput> outputs_;  // in the order the compositor announced them
  std::unique_ptr<QSocketNotifier> readable_;
  std::unique_ptr<QSocketNotifier> writable_;
  bool broken_ = false;
};

}  // namespace quorvane::wayland
