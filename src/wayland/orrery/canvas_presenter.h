// Puts the pixel canvas on a Wayland surface through shared-memory buffers: each picture goes
// into a buffer the compositor does not hold, brought up to date only where it lacks pixels,
// and is reported damaged only where it changed. A second (and third) buffer is made only when
// the compositor still holds the others, so a compositor that copies at once costs one.
#pragma once

#include <memory>
#include <vector>

#include "core/platform/pixel_canvas.h"
#include "wayland/platform/damage_ledger.h"
#include "wayland/platform/shm_buffer.h"

struct wl_shm;
struct wl_surface;

namespace quorvane::wayland {

class CanvasPresenter {
 public:
  explicit CanvasPresenter(wl_shm* shm) : shm_(shm) {}

  // Records `changed` and attaches the canvas to `surface` with its damage, without committing.
  // False when every buffer is still held: the picture then waits for the next call.
  bool Attach(wl_surface* surface, const PixelCanvas& canvas,
              const std::vector<PixelRect>& changed);

  std::size_t BufferCount() const { return buffers_.size(); }

 private:
  // A buffer the compositor does not hold, made when needed; nothing past the limit.
  std::optional<std::size_t> FreeBuffer(const PixelCanvas& canvas);
  // The rectangles' pixels from the canvas into the buffer, as XRGB8888.
  void Copy(const PixelCanvas& canvas, const std::vector<PixelRect>& rects, ShmBuffer& buffer);

  wl_shm* shm_;
  DamageLedger ledger_;
  std::vector<std::unique_ptr<ShmBuffer>> buffers_;
  std::vector<std::uint32_t> colours_;  // XRGB8888 per palette index
};

}  // namespace quorvane::wayland
