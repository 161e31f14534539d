#include "wayland/platform/shm_buffer.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <limits>

namespace quorvane::wayland {

namespace {

constexpr int kBytesPerPixel = 4;

// An anonymous file the compositor can map but neither shrink nor grow.
int SharedFile(std::size_t bytes) {
  const int fd = memfd_create("quorvane-shm", MFD_CLOEXEC | MFD_ALLOW_SEALING);
  if (fd < 0) {
    return -1;
  }
  if (ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
    close(fd);
    return -1;
  }
  fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL);
  return fd;
}

}  // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::Create(wl_shm* shm, int width, int height) {
  if (width <= 0 || height <= 0 ||
      width > std::numeric_limits<std::int32_t>::max() / kBytesPerPixel / height) {
    return nullptr;
  }
  const std::size_t bytes = static_cast<std::size_t>(width) * height * kBytesPerPixel;
  const int fd = SharedFile(bytes);
  if (fd < 0) {
    return nullptr;
  }
  void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (memory == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(bytes));
  wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, width, height, width * kBytesPerPixel,
                                                WL_SHM_FORMAT_XRGB8888);
  // The buffer keeps the pool's memory; neither the pool nor the file is needed any more.
  wl_shm_pool_destroy(pool);
  close(fd);
  return std::unique_ptr<ShmBuffer>(
      new ShmBuffer(buffer, static_cast<std::uint32_t*>(memory), bytes, width, height));
}

ShmBuffer::ShmBuffer(wl_buffer* buffer, std::uint32_t* pixels, std::size_t bytes, int width,
                     int height)
    : buffer_(buffer), pixels_(pixels), bytes_(bytes), width_(width), height_(height) {
  static const wl_buffer_listener listener = {&ShmBuffer::Release};
  wl_buffer_add_listener(buffer_, &listener, this);
}

ShmBuffer::~ShmBuffer() {
  wl_buffer_destroy(buffer_);
  munmap(pixels_, bytes_);
}

void ShmBuffer::Release(void* data, wl_buffer*) {
  auto* self = static_cast<ShmBuffer*>(data);
  if (self->released_) {
    self->released_();
  }
}

}  // namespace quorvane::wayland
