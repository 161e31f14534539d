// A small Wayland compositor in the test process, on its own thread, for the front end's tests:
// outputs that come, go and change scale, layer surfaces configured to their output's logical
// size, and shared-memory buffers it holds from the commit that hands one over until the test
// lets it go. It records what each surface last showed and notices a buffer written while held.
#pragma once

#include <wayland-server-core.h>

#include <atomic>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvane::wayland {

class FakeCompositor {
 public:
  struct Output {
    wl_global* global = nullptr;
    int width = 0;  // device pixels
    int height = 0;
    int scale = 1;
    std::vector<wl_resource*> resources;
  };
  struct Surface {
    FakeCompositor* compositor = nullptr;
    wl_resource* surface = nullptr;
    wl_resource* layerSurface = nullptr;
    Output* output = nullptr;
    std::uint32_t lastSerial = 0;
    std::uint32_t acknowledged = 0;
    wl_resource* pending = nullptr;  // attached, not committed
    bool attached = false;
    int pendingScale = 1;
    // What the last commit with a buffer showed.
    int scale = 1;
    int width = 0;  // buffer pixels
    int height = 0;
    std::vector<std::uint32_t> pixels;  // XRGB8888
    int pictures = 0;
    wl_resource* shown = nullptr;  // the buffer of the last commit that had one
  };

  FakeCompositor();
  ~FakeCompositor();

  // The client's end of the connection.
  int ClientFd() const { return clientFd_; }

  // Everything below locks out the compositor's thread while it runs.
  Output* AddOutput(int width, int height, int scale);
  void RemoveOutput(Output* output);
  void SetScale(Output* output, int scale);
  // The compositor closes the layer surfaces on the output.
  void CloseSurfaces(Output* output);
  // While held, no buffer is released; releasing gives back all but the ones shown.
  void HoldBuffers(bool hold);

  // A copy of the surfaces taken under the lock.
  std::vector<Surface> Surfaces();
  // A buffer was written while the compositor held it, or handed over again while held.
  bool SawHeldBufferReused() const { return heldBufferReused_; }
  std::size_t HeldBuffers();

 private:
  // A buffer the compositor holds, with its pixels when it was handed over.
  struct Held {
    wl_listener destroyed;
    FakeCompositor* compositor;
    wl_resource* buffer;
    std::vector<std::uint32_t> pixels;
  };

  static void BindCompositor(wl_client* client, void* data, std::uint32_t version,
                             std::uint32_t id);
  static void BindOutput(wl_client* client, void* data, std::uint32_t version, std::uint32_t id);
  static void BindLayerShell(wl_client* client, void* data, std::uint32_t version,
                             std::uint32_t id);
  void SendOutput(Output& output, wl_resource* resource);
  void Configure(Surface& surface);
  void Commit(Surface& surface);
  Surface* SurfaceOf(wl_resource* resource);
  void Run();

  wl_display* display_;
  int clientFd_ = -1;
  std::mutex mutex_;
  std::atomic<bool> running_{true};
  std::list<Output> outputs_;
  std::list<Surface> surfaces_;
  std::list<Held> held_;
  bool hold_ = false;
  std::atomic<bool> heldBufferReused_{false};
  std::thread thread_;
};

}  // namespace quorvane::wayland
