#include "wayland/orrery/canvas_presenter.h"

#include <wayland-client.h>

namespace quorvane::wayland {

namespace {

// A compositor that holds more than this many pictures is not keeping up: later ones wait.
constexpr std::size_t kMaxBuffers = 3;

// 0x00BBGGRR as XRGB8888.
std::uint32_t ToXrgb(Color color) {
  return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

}  // namespace

bool CanvasPresenter::Attach(wl_surface* surface, const PixelCanvas& canvas,
                             const std::vector<PixelRect>& changed) {
  ledger_.Changed(changed);
  const std::optional<std::size_t> index = FreeBuffer(canvas);
  if (!index) {
    return false;
  }
  ShmBuffer& buffer = *buffers_[*index];
  Copy(canvas, ledger_.TakeStale(*index), buffer);
  wl_surface_attach(surface, buffer.Buffer(), 0, 0);
  for (const PixelRect& rect : ledger_.TakeDamage()) {
    wl_surface_damage_buffer(surface, rect.left, rect.top, rect.width, rect.height);
  }
  ledger_.SetHeld(*index, true);
  return true;
}

std::optional<std::size_t> CanvasPresenter::FreeBuffer(const PixelCanvas& canvas) {
  if (const auto free = ledger_.FreeBuffer()) {
    return free;
  }
  if (buffers_.size() >= kMaxBuffers) {
    return std::nullopt;
  }
  auto buffer = ShmBuffer::Create(shm_, canvas.Width(), canvas.Height());
  if (!buffer) {
    return std::nullopt;
  }
  const std::size_t index = ledger_.AddBuffer({0, 0, canvas.Width(), canvas.Height()});
  buffer->OnRelease([this, index] { ledger_.SetHeld(index, false); });
  buffers_.push_back(std::move(buffer));
  return index;
}

void CanvasPresenter::Copy(const PixelCanvas& canvas, const std::vector<PixelRect>& rects,
                           ShmBuffer& buffer) {
  const std::vector<Color>& palette = canvas.Palette();
  for (std::size_t i = colours_.size(); i < palette.size(); ++i) {
    colours_.push_back(ToXrgb(palette[i]));
  }
  const PixelRect whole{0, 0, canvas.Width(), canvas.Height()};
  for (const PixelRect& rect : rects) {
    const PixelRect part = PixelRect::Intersected(rect, whole);
    for (int y = part.top; y <= part.Bottom(); ++y) {
      const std::uint8_t* from =
          canvas.Pixels() + static_cast<std::size_t>(y) * canvas.Width() + part.left;
      std::uint32_t* to = buffer.Row(y) + part.left;
      for (int x = 0; x < part.width; ++x) {
        to[x] = colours_[from[x]];
      }
    }
  }
}

}  // namespace quorvane::wayland
