#include "core/platform/raster/pixel_memory.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quorvane {

#if defined(__linux__)
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace
#endif

void PixelMemory::Free::operator()(std::uint8_t* bytes) const {
  std::free(bytes);
}

PixelMemory::PixelMemory(std::size_t size) : size_(size) {
  void* bytes = nullptr;
#if defined(__linux__)
  // Huge pages for the whole ones inside the canvas, and for the last part too when it fills
  // most of one (1920x1080 is just under one): that costs at most an eighth of a page beyond it.
  const std::size_t whole = size / kHugePage * kHugePage;
  const std::size_t advised = size - whole >= kHugePage / 8 * 7 ? whole + kHugePage : whole;
  if (advised > 0) {
    // std::aligned_alloc wants a multiple of the alignment; what lies past the advised pages is
    // never touched, so it costs address space only.
    bytes = std::aligned_alloc(kHugePage, (size + kHugePage - 1) / kHugePage * kHugePage);
    advisedHuge_ = bytes != nullptr && madvise(bytes, advised, MADV_HUGEPAGE) == 0;
  }
#endif
  if (bytes == nullptr) {
    bytes = std::malloc(size > 0 ? size : 1);
  }
  if (bytes == nullptr) {
    throw std::bad_alloc();
  }
  bytes_.reset(static_cast<std::uint8_t*>(bytes));
  std::memset(bytes, 0, size);
}

}  // namespace quorvane
