// One XRGB8888 buffer in memory shared with the compositor (wl_shm): a sealed anonymous file
// mapped into both, so a picture reaches the compositor without a copy through the socket. It
// knows whether the compositor holds it: from the commit it was attached to until its release.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

struct wl_buffer;
struct wl_shm;

namespace quorvane::wayland {

class ShmBuffer {
 public:
  // Nothing when the memory cannot be had.
  static std::unique_ptr<ShmBuffer> Create(wl_shm* shm, int width, int height);
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  wl_buffer* Buffer() const { return buffer_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Row y's first pixel; rows follow each other without a gap.
  std::uint32_t* Row(int y) { return pixels_ + static_cast<std::size_t>(y) * width_; }

  // Called when the compositor gives the buffer back.
  void OnRelease(std::function<void()> released) { released_ = std::move(released); }

 private:
  ShmBuffer(wl_buffer* buffer, std::uint32_t* pixels, std::size_t bytes, int width, int height);
  static void Release(void* data, wl_buffer* buffer);

  wl_buffer* buffer_;
  std::uint32_t* pixels_;
  std::size_t bytes_;
  int width_;
  int height_;
  std::function<void()> released_;
};

}  // namespace quorvane::wayland
